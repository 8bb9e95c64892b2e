#include "floorplan/frmDisplay.h"

#include "floorplan/BaguaReports.h"
#include "floorplan/frmRoomAnalysis.h"
#include "frame/HelpMenu.h"
#include "frame/WindowParts.h"
#include "frame/MDI.h"
#include "platform/Controls.h"
#include "platform/FormRegistry.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>

namespace tessavo::floorplan {

namespace {

const QColor kWindowBack(123, 230, 214);
const QColor kPlotBack(64, 64, 64);
const QColor kContainerBack(128, 128, 255);
const QColor kLegendBack(255, 192, 192);
const QColor kLegendNote(64, 0, 0);
const QColor kButtonBack(128, 128, 128);

constexpr double kMarkerSide = 255;

// Tops of the legend lines in part order; the seventh takes two lines.
constexpr std::array<double, 9> kLegendTops = {480, 780, 1080, 1380, 1680, 1980, 2280, 2760, 3120};
constexpr double kLegendLeft = 120;
constexpr double kLegendWidth = 3195;

QGroupBox *makeDarkFrame(const QString &name, const QString &caption, QWidget *parent, double left,
                         double top, double width, double height)
{
    QGroupBox *frame = makeFrame(name, caption, parent, left, top, width, height);
    setBackground(frame, kWindowBack);
    return frame;
}

// What a control keeps of a twips value: whole screen pixels.
double settled(double value)
{
    return twips::fromPixels(twips::toPixels(value));
}

void setButtonBack(QPushButton *button, const QColor &colour)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, colour);
    button->setPalette(palette);
}

} // namespace

frmDisplay::frmDisplay() : Form(QString::fromLatin1(kName), FormKind::Child)
{
    setCaption(QStringLiteral("Orlix Feng Shui Bagua"));
    setClientSize(8415, 6405);
    setVerdana(this, 8.25);
    setBackground(this, kWindowBack);

    Frame7 = makeDarkFrame(QStringLiteral("Frame7"), QString(), this, 20, 0, 8340, 615);
    Label61 = makeLinkLabel(QStringLiteral("Label61"), QString(), Frame7);
    Label61->setGeometry(twips::rect(180, 120, 8040, 585));
    Label61->setAlignment(Qt::AlignCenter);
    setBackground(Label61, QColor(255, 255, 255));
    setForeground(Label61, QColor(255, 0, 0));

    fraRoomAnalysis = makeDarkFrame(QStringLiteral("fraRoomAnalysis"),
                                    QStringLiteral("Yendrovi Chart"), this, 37, 600, 8340, 5145);
    setVerdana(fraRoomAnalysis, 8.25, true);

    Picture1 = new PictureBox(QStringLiteral("Picture1"), fraRoomAnalysis);
    Picture1->setGeometry(twips::rect(80, 220, 4850, 4850));
    setVerdana(Picture1, 8.25);
    setBackground(Picture1, kPlotBack);

    // The box first, then the parts, then their markers: each above the one before.
    lblBaguaContainer = new Label(QStringLiteral("lblBaguaContainer"), QString(), Picture1);
    lblBaguaContainer->setGeometry(0, 0, 0, 0);
    setBackground(lblBaguaContainer, kContainerBack);
    for (int k = 0; k < kBaguaParts; ++k) {
        const BaguaPart &part = baguaPart(k);
        auto *label = new Label(arrayName(QStringLiteral("lblBaguaPart"), k), QString(), Picture1);
        label->setGeometry(0, 0, 0, 0);
        setBackground(label, part.back);
        setForeground(label, part.text);
        label->setCursor(Qt::PointingHandCursor);
        connect(label, &Label::MouseMove, this, [this, k] { lblBaguaPart_MouseMove(k); });
        connectCommand(label, &Label::Click, this, [this, k] { lblBaguaPart_Click(k); });
        lblBaguaPart[static_cast<std::size_t>(k)] = label;
    }
    for (int k = 0; k < kBaguaParts; ++k) {
        auto *marker = new QFrame(Picture1);
        marker->setObjectName(arrayName(QStringLiteral("shpBaguaPart"), k));
        marker->setFrameShape(QFrame::Box);
        marker->setGeometry(twips::rect(0, 0, kMarkerSide, kMarkerSide));
        setBackground(marker, baguaPart(k).back);
        // A marker sits on its part's corner; clicks there belong to the part.
        marker->setAttribute(Qt::WA_TransparentForMouseEvents);
        marker->hide();
        shpBaguaPart[static_cast<std::size_t>(k)] = marker;
    }

    Picture2 = new PictureBox(QStringLiteral("Picture2"), fraRoomAnalysis);
    Picture2->setGeometry(twips::rect(4920, 240, 3375, 4850));
    setVerdana(Picture2, 8.25);
    setBackground(Picture2, kLegendBack);
    Label1 = makeText(QStringLiteral("Label1"),
                       QStringLiteral("The adjacent chart projects the nine guas namely"),
                       Picture2, 240, 30, 3015, 435);
    setForeground(Label1, kLegendNote);
    const QColor menuText = QApplication::palette("QMenu").color(QPalette::WindowText);
    for (int k = 0; k < kBaguaParts; ++k) {
        const BaguaPart &part = baguaPart(k);
        const double top = kLegendTops[static_cast<std::size_t>(k)];
        const double height = (k == 6 ? 2 : 1) * 240.0;
        Label *line = makeText(part.legendName, part.legendLine, Picture2, kLegendLeft, top,
                                kLegendWidth, height);
        setVerdana(line, 8.25, true);
        setForeground(line, part.legendText);
        if (part.legendBack)
            setBackground(line, *part.legendBack);
        else if (part.legendOnMenuText)
            setBackground(line, menuText);
        legendLines[static_cast<std::size_t>(k)] = line;
    }
    Label11 = makeText(QStringLiteral("Label11"),
                        QStringLiteral("Hold the Mouse Pointer On The Bagua Part To Know The Part's "
                                       "Name And Click On The Part To Know More."),
                        Picture2, kLegendLeft, 3480, kLegendWidth, 810);
    setForeground(Label11, kLegendNote);

    cmdBack = makeButton(QStringLiteral("cmdBack"), QStringLiteral("&Back"), Picture2,
                         twips::rect(480, 4320, 2415, 375), [this] { cmdBack_Click(); });
    setVerdana(cmdBack, 8.25, true);
    setButtonBack(cmdBack, kButtonBack);

    Label12 = makeLinkLabel(QStringLiteral("Label12"), QString(), this);
    Label12->setGeometry(twips::rect(30, 5880, 8340, 555));
    Label12->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setForeground(Label12, QColor(0, 0, 255));

    addFileMenu(this, {{"mnuBack", "&Back", [this] { mnuBack_Click(); }}});
    addHelpMenu(this);

    wireLinkLabels(this);
}

void frmDisplay::Form_Load()
{
    placeAsToolWindow();
}

void frmDisplay::Form_Unload()
{
    cmdBack_Click();
}

void frmDisplay::cmdBack_Click()
{
    auto &registry = FormRegistry::instance();
    registry.unload(this);
    // While the main window closes, it unloads the tool windows itself: an
    // editor loaded or shown now would only come up in a window that is
    // going away.
    const Form *main = registry.find(QString::fromLatin1(MDI::kName));
    if (main && main->isUnloading())
        return;
    if (Form *editor = registry.load(QStringLiteral("frmMainFengShuiBagua")))
        editor->Show();
    setSplashPanelVisible(false);
}

void frmDisplay::mnuBack_Click()
{
    cmdBack_Click();
}

void frmDisplay::lblBaguaPart_MouseMove(int)
{
    for (int k = 0; k < kBaguaParts; ++k)
        lblBaguaPart[static_cast<std::size_t>(k)]->setToolTip(baguaPart(k).tooltip);
}

void frmDisplay::lblBaguaPart_Click(int Index)
{
    if (Index >= 0 && Index < kBaguaParts) {
        const QColor back =
            lblBaguaPart[static_cast<std::size_t>(Index)]->palette().color(QPalette::Window);
        auto &report = form<frmRoomAnalysis>();
        report.setBackColour(back);
        report.RTB->setBackColor(back);
        report.writeRuns(partReportRuns(Index));
        report.RTB->setSelStart(0);
    }
    form<frmRoomAnalysis>().Show();
}

void frmDisplay::layBaguaChart(const ChartBox &box)
{
    // A box left empty or inverted by a plan without live rooms shows as
    // nothing rather than failing.
    lblBaguaContainer->setGeometry(twips::rect(box.ChartLeft, box.ChartTop,
                                               std::max<double>(0, box.ChartWidth),
                                               std::max<double>(0, box.ChartHeight)));
    const auto places = baguaPartPlaces(box, settled);
    for (std::size_t k = 0; k < places.size(); ++k) {
        const QRectF &place = places[k];
        lblBaguaPart[k]->setGeometry(
            twips::rect(place.left(), place.top(), place.width(), place.height()));
        shpBaguaPart[k]->move(twips::point(place.left(), place.top()));
        shpBaguaPart[k]->show();
    }
}

} // namespace tessavo::floorplan
