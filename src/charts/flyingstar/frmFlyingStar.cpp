#include "charts/flyingstar/frmFlyingStar.h"

#include "charts/flyingstar/frmMainFengShuiFlyingStar.h"
#include "charts/flyingstar/frmSaveFengShuiFlyingStar.h"
#include "frame/HelpMenu.h"
#include "frame/WindowParts.h"
#include "frame/MDI.h"
#include "platform/Controls.h"
#include "platform/FormRegistry.h"
#include "platform/QbColor.h"
#include "platform/Twips.h"

#include <QAction>
#include <QFontMetrics>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>

namespace tessavo::flyingstar {

namespace {

const QColor kWindowBack(64, 64, 64);
const QColor kLinkText(128, 255, 255);
const QColor kMagenta(255, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 192, 0);
const QColor kYellow(255, 255, 0);
const QColor kOrange(255, 128, 0);

constexpr int kFacingMark = 4;   // dark red
constexpr int kMountainMark = 2; // dark green

Label *makeLabel(const QString &name, const QString &caption, QWidget *parent, double left,
                 double top, double width, double height, const QColor &colour,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *label = new Label(name, caption, parent);
    label->setGeometry(twips::rect(left, top, width, height));
    label->setAlignment(alignment);
    setForeground(label, colour);
    return label;
}

// One line of Frame4: a magenta caption and the value a plot writes.
struct AnalysisLine {
    const char *caption;
    const char *text;
    double left;
    double top;
    double valueLeft;
    double valueWidth;
    QColor valueColour;
};

// A cell of the grid, in screen order from the top left.
struct Cell {
    int palace;
    const char *captionName; // nullptr: the centre has no direction caption
    const char *caption;
    QColor captionColour;
    QColor back;
};

const std::array<Cell, kPalaces> &cells()
{
    static const std::array<Cell, kPalaces> table = {{
        {SouthEast, "lblSE", "South East", QColor(0, 0, 128), QColor(192, 255, 192)},
        {South, "Label2", "South", QColor(255, 0, 0), QColor(192, 255, 255)},
        {SouthWest, "Label3", "South West", QColor(0, 64, 0), QColor(255, 192, 255)},
        {East, "Label4", "East", QColor(128, 0, 128), QColor(255, 192, 192)},
        {Centre, nullptr, nullptr, QColor(), QColor(255, 255, 192)},
        {West, "Label6", "West", QColor(128, 0, 128), QColor(255, 192, 192)},
        {NorthEast, "Label7", "North East", QColor(0, 64, 0), QColor(255, 192, 255)},
        {North, "Label8", "North", QColor(255, 0, 0), QColor(192, 255, 255)},
        {NorthWest, "lblNW", "North West", QColor(0, 0, 192), QColor(192, 255, 192)},
    }};
    return table;
}

constexpr double kCell = 1440;

// Star label places within a cell: left, top, width, height, and the type size.
struct StarPlace {
    double left, top, width, height, points;
};
constexpr StarPlace kMountainPlace{240, 555, 210, 375, 15.75};
constexpr StarPlace kPeriodPlace{600, 480, 330, 525, 21.75};
constexpr StarPlace kFacingPlace{1000, 555, 240, 375, 15.75};
constexpr StarPlace kCentreMountainPlace{150, 480, 270, 480, 15.75};
constexpr StarPlace kCentrePeriodPlace{520, 360, 435, 675, 27.75};
constexpr StarPlace kCentreFacingPlace{960, 480, 315, 480, 15.75};

const QColor kMountainStarColour(64, 0, 0);
const QColor kFacingStarColour(21, 6, 210);

Label *makeStar(const QString &name, QWidget *cell, const StarPlace &place, const QColor &colour)
{
    Label *star = makeLabel(name, QStringLiteral("0"), cell, place.left, place.top, place.width,
                            place.height, colour, Qt::AlignCenter);
    setVerdana(star, place.points, true);
    return star;
}

// Heading and text of one explanation beside the grid.
struct Explanation {
    const char *headingName;
    const char *heading;
    double headingLeft;
    double headingTop;
    const char *textName;
    const char *text;
};

} // namespace

frmFlyingStar::frmFlyingStar() : Form(QString::fromLatin1(kName), FormKind::Child)
{
    setCaption(QStringLiteral("Orlix Flying Star Feng Shui"));
    setClientSize(11325, 7875);
    setVerdana(this, 8.25);
    setBackground(this, kWindowBack);
    setForeground(this, Qt::white);

    Frame2 = makeFrame(QStringLiteral("Frame2"), QString(), this, 0, 0, 11330, 615);
    Label61 = makeLinkLabel(QStringLiteral("Label61"), QString(), Frame2);
    Label61->setGeometry(twips::rect(120, 150, 11090, 400));
    Label61->setAlignment(Qt::AlignCenter);

    buildAnalysis();

    Frame1 = makeFrame(QStringLiteral("Frame1"), QString(), this, 0, 1680, 11330, 5560);
    buildGrid();
    buildExplanations();

    const struct {
        QPushButton *&button;
        const char *name;
        const char *caption;
        double left;
        void (frmFlyingStar::*handler)();
    } buttons[] = {
        {cmdPrint, "cmdPrint", "&Print", 9120, &frmFlyingStar::cmdPrint_Click},
        {cmdBack, "cmdBack", "&Back", 10200, &frmFlyingStar::cmdBack_Click},
    };
    for (const auto &b : buttons) {
        b.button = makeButton(QString::fromLatin1(b.name), QString::fromLatin1(b.caption), this,
                              twips::rect(b.left, 7380, 975, 375),
                              [this, handler = b.handler] { (this->*handler)(); });
        setVerdana(b.button, 8.25, true);
        QPalette palette;
        palette.setColor(QPalette::Button, QColor(128, 128, 128));
        palette.setColor(QPalette::ButtonText, Qt::black);
        b.button->setPalette(palette);
    }

    Label5 = makeLinkLabel(QStringLiteral("Label5"), QString(), this);
    Label5->setGeometry(twips::rect(60, 7320, 8940, 555));
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (Label *link : {Label61, Label5})
        setForeground(link, kLinkText);

    mnuFile = addFileMenu(this, {{"mnuPrint", "Print", [this] { mnuPrint_Click(); }},
                                 {"mnuBack", "&Back", [this] { mnuBack_Click(); }},
                                 {"mnuExit", "E&xit", [this] { mnuExit_Click(); }}});
    mnuPrint = mnuFile->findChild<QAction *>(QStringLiteral("mnuPrint"));
    mnuBack = mnuFile->findChild<QAction *>(QStringLiteral("mnuBack"));
    mnuExit = mnuFile->findChild<QAction *>(QStringLiteral("mnuExit"));
    addHelpMenu(this);

    wireLinkLabels(this);
}

void frmFlyingStar::buildAnalysis()
{
    Frame4 = makeFrame(QStringLiteral("Frame4"), QStringLiteral("Halvenor Analysis:-"), this, 0,
                       630, 11330, 1095);
    setBackground(Frame4, Qt::black);
    setForeground(Frame4, kYellow);

    const std::array<AnalysisLine, 6> lines = {{
        {"Label9", "Your house was built in Period", 120, 200, 3360, 600, kRed},
        {"Label10", "Period Star     will be located in the Center Palace.", 120, 520, 1320, 300,
         kRed},
        {"Label12", "Direction of Mountain Palace of your house is", 120, 840, 4680, 1140, kGreen},
        {"Label13", "The Mountain Star of your house is", 5880, 200, 9480, 600, kGreen},
        {"Label11", "Direction of Facing Palace of your house is", 5880, 520, 10200, 1110, kYellow},
        {"Label1", "The Facing Star of your house is", 5880, 840, 9120, 600, kYellow},
    }};
    Label *values[6] = {};
    const char *valueNames[6] = {nullptr,
                                 nullptr,
                                 "lblMountainDirectionAnalysis",
                                 "lblMountainNumber",
                                 "lblFacingDirectionAnalysis",
                                 "lblFacingNumber"};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const AnalysisLine &line = lines[i];
        Label *caption =
            makeLabel(QString::fromLatin1(line.caption), QString::fromLatin1(line.text), Frame4,
                      line.left, line.top, 0, 240, kMagenta);
        caption->adjustSize();
        caption->resize(caption->width(), twips::toPixels(240));
        const QString valueName =
            valueNames[i] ? QString::fromLatin1(valueNames[i])
                          : arrayName(QStringLiteral("lblPeriodAnalysis"), static_cast<int>(i));
        values[i] = makeLabel(valueName, QString(), Frame4, line.valueLeft, line.top,
                              line.valueWidth, 240, line.valueColour);
        setVerdana(values[i], 8.25, true);
    }
    lblPeriodAnalysis = {values[0], values[1]};
    lblMountainDirectionAnalysis = values[2];
    lblMountainNumber = values[3];
    lblFacingDirectionAnalysis = values[4];
    lblFacingNumber = values[5];

    // The period sits in the gap the caption leaves for it; measured in the
    // font it is drawn with, so that it never runs into the words around it.
    Label *Label10 = Frame4->findChild<Label *>(QStringLiteral("Label10"));
    const QFontMetrics metrics(Label10->font());
    const int gapStart = metrics.horizontalAdvance(QStringLiteral("Period Star"));
    const int gapEnd = metrics.horizontalAdvance(QStringLiteral("Period Star     "));
    Label *period = lblPeriodAnalysis[1];
    period->setAlignment(Qt::AlignCenter);
    period->setGeometry(Label10->x() + gapStart, period->y(), gapEnd - gapStart, period->height());
}

void frmFlyingStar::buildGrid()
{
    Picture1 = new PictureBox(QStringLiteral("Picture1"), Frame1);
    Picture1->setGeometry(twips::rect(3420, 1065, 4350, 4355));
    for (std::size_t i = 0; i < cells().size(); ++i) {
        const Cell &cell = cells()[i];
        auto *box =
            new PictureBox(arrayName(QStringLiteral("picPosition"), static_cast<int>(i)), Picture1);
        box->setGeometry(twips::rect(kCell * static_cast<double>(i % 3),
                                     kCell * static_cast<double>(i / 3), kCell, kCell));
        setBackground(box, cell.back);
        picPosition[i] = box;

        const bool centre = cell.palace == Centre;
        if (!centre) {
            Label *caption =
                makeLabel(QString::fromLatin1(cell.captionName), QString::fromLatin1(cell.caption),
                          box, 0, 60, kCell, 240, cell.captionColour, Qt::AlignCenter);
            setVerdana(caption, 8.25, true);
        }
        const auto p = static_cast<std::size_t>(cell.palace);
        lblMountain[p] =
            makeStar(arrayName(QStringLiteral("lblMountain"), cell.palace), box,
                     centre ? kCentreMountainPlace : kMountainPlace, kMountainStarColour);
        lblPosition[p] =
            makeStar(arrayName(QStringLiteral("lblPosition"), cell.palace), box,
                     centre ? kCentrePeriodPlace : kPeriodPlace, periodStarColour(cell.palace));
        lblBack[p] = makeStar(arrayName(QStringLiteral("lblBack"), cell.palace), box,
                              centre ? kCentreFacingPlace : kFacingPlace, kFacingStarColour);
    }
}

void frmFlyingStar::buildExplanations()
{
    Label15 = makeLabel(
        QStringLiteral("Label15"),
        QStringLiteral("Together the three stars of each palace suggest how auspicious your house "
                       "is. Compared with your own flying star analysis, they help you decide "
                       "where to place the rooms of your house."),
        Frame1, 30, 240, 11295, 615, QColor(255, 128, 128), Qt::AlignCenter);
    Label15->setWordWrap(true);

    // Left column beside the grid's left edge, right column beside its right
    // edge; each text fills the room down to the next heading.
    const std::array<Explanation, 4> left = {{
        {"Label16", "Stars", 1425, 885, "Label17",
         "The numbers in the grid are known as Stars which represent the trigrams of the I "
         "Ching."},
        {"Label21", "Period", 1365, 1800, "Label22",
         "The Period shows the auspicious and inauspicious areas of your house and how they "
         "change with each 20-year cycle."},
        {"Label23", "Period Star", 990, 3000, "Label26",
         "The Period Star is the time star, taken from the period in which your house was "
         "built. It enhances, controls or assists the other stars."},
        {"Label18", "Palace", 1230, 4440, "Label20",
         "There is nine grid and each square of the grid is known as a Palace of your house"},
    }};
    const std::array<Explanation, 4> right = {{
        {"Label24", "Mountain Palace", 8745, 885, "Label27",
         "This is the direction in which the auspicious Mountain Star is located at the back of "
         "the house."},
        {"Label25", "Mountain Star", 8760, 1800, "Label28",
         "The Mountain Star governs your health, happiness, relationships, influence and "
         "success."},
        {"Label29", "Facing Palace ", 8730, 3000, "Label31",
         "This is the direction of the auspicious Mountain Star. At the front of the house it "
         "is known as the Facing Palace."},
        {"Label30", "Facing Star", 8895, 4440, "Label32",
         "The Facing Star governs your luck and wealth. This represents your monetary gains and "
         "losses."},
    }};
    const struct {
        const std::array<Explanation, 4> &column;
        double textLeft;
        double textWidth;
    } columns[] = {{left, 60, 3300}, {right, 7830, 3440}};
    constexpr double kHeadingHeight = 240;
    constexpr double kColumnBottom = 5500;
    for (const auto &column : columns) {
        for (std::size_t i = 0; i < column.column.size(); ++i) {
            const Explanation &e = column.column[i];
            Label *heading =
                makeLabel(QString::fromLatin1(e.headingName), QString::fromLatin1(e.heading),
                          Frame1, e.headingLeft, e.headingTop, 0, kHeadingHeight, kOrange);
            setVerdana(heading, 8.25, true);
            heading->adjustSize();
            const double textTop = e.headingTop + kHeadingHeight;
            const double textBottom =
                i + 1 < column.column.size() ? column.column[i + 1].headingTop : kColumnBottom;
            Label *text = makeLabel(QString::fromLatin1(e.textName), QString::fromLatin1(e.text),
                                    Frame1, column.textLeft, textTop, column.textWidth,
                                    textBottom - textTop, kGreen, Qt::AlignHCenter | Qt::AlignTop);
            text->setWordWrap(true);
            setVerdana(text, 7.5);
        }
    }
}

QColor frmFlyingStar::periodStarColour(int palace)
{
    return palace == Centre ? kRed : QColor(Qt::black);
}

void frmFlyingStar::showChart(const FlyingStarChart &chart)
{
    for (int p = 0; p < kPalaces; ++p) {
        const auto i = static_cast<std::size_t>(p);
        lblPosition[i]->setText(QString::number(chart.periodStars[i]));
        setForeground(lblPosition[i], periodStarColour(p));
    }
    setForeground(lblPosition[static_cast<std::size_t>(chart.facingPalace)], qbColor(kFacingMark));
    setForeground(lblPosition[static_cast<std::size_t>(chart.mountainPalace)],
                  qbColor(kMountainMark));

    lblFacingNumber->setText(QString::number(chart.facingBaseStar));
    lblMountainNumber->setText(QString::number(chart.mountainBaseStar));
    lblFacingDirectionAnalysis->setText(chart.facingDirection);
    lblMountainDirectionAnalysis->setText(chart.mountainDirection);

    for (std::size_t i = 0; i < lblMountain.size(); ++i) {
        lblMountain[i]->setText(QString::number(chart.mountainStars[i]));
        lblBack[i]->setText(QString::number(chart.facingStars[i]));
    }
    for (Label *period : lblPeriodAnalysis)
        period->setText(lblPosition[Centre]->text());
}

FlyingStarReportFields frmFlyingStar::reportFields() const
{
    return {lblPeriodAnalysis[0]->text(), lblMountainDirectionAnalysis->text(),
            lblMountainNumber->text(), lblFacingDirectionAnalysis->text(), lblFacingNumber->text()};
}

void frmFlyingStar::Form_Load()
{
    placeAsToolWindow();
}

void frmFlyingStar::Form_Unload()
{
    setSplashPanelVisible(true);
}

void frmFlyingStar::cmdBack_Click()
{
    // Both windows stay loaded: the input shows the entries of this chart.
    Hide();
    form<frmMainFengShuiFlyingStar>().Show();
    setSplashPanelVisible(false);
}

void frmFlyingStar::mnuBack_Click()
{
    cmdBack_Click();
}

void frmFlyingStar::cmdPrint_Click()
{
    showReport<frmSaveFengShuiFlyingStar>();
}

void frmFlyingStar::mnuPrint_Click()
{
    cmdPrint_Click();
}

void frmFlyingStar::mnuExit_Click()
{
    FormRegistry::instance().unload(this);
}

} // namespace tessavo::flyingstar
