#include "charts/loshu/frmLoshu.h"

#include "charts/loshu/FitLabel.h"
#include "charts/loshu/LoShuCalc.h"
#include "charts/loshu/frmMainFengShuiLoShu.h"
#include "charts/loshu/frmSaveFengShuiLoShu.h"
#include "frame/HelpMenu.h"
#include "frame/WindowParts.h"
#include "frame/MDI.h"
#include "platform/Controls.h"
#include "platform/FormRegistry.h"
#include "platform/InputNames.h"
#include "platform/RichTextBox.h"
#include "platform/SiteAddress.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QUrl>

namespace tessavo::loshu {

namespace {

constexpr std::array<double, 3> kCellLefts = {45, 1365, 2685};
constexpr std::array<double, 3> kCellTops = {50, 1380, 2710};
constexpr double kCell = 1300;
constexpr double kCellLabel = 1000;

struct SideCaption {
    const char *caption;
    double left;
    double top;
    double width;
    double height;
};
// clang-format off
constexpr std::array<SideCaption, 8> kSides = {{
    {"South East", 120, 135, 615, 600},
    {"South", 2280, 120, 600, 600},
    {"South West", 4680, 120, 600, 600},
    {"West", 4680, 2400, 480, 600},
    {"North West", 4680, 4680, 600, 600},
    {"North", 2280, 4920, 600, 240},
    {"North East", 120, 4680, 600, 600},
    {"East", 120, 2400, 600, 600},
}};
// clang-format on

QString cellName(int cell)
{
    return cell == 0 ? QStringLiteral("picLoshuGrid") : arrayName(QStringLiteral("Picture1"), cell);
}

} // namespace

frmLoshu::frmLoshu() : Form(QString::fromLatin1(kName), FormKind::Child)
{
    setCaption(QStringLiteral("Orlix Feng Shui Lo Shu"));
    setClientSize(10410, 6195);
    setVerdana(this, 8.25);

    Frame1 = makeFrame(QStringLiteral("Frame1"), QString(), this, 100, 100, 5300, 5300);
    Frame2 = makeFrame(QStringLiteral("Frame2"), QString(), Frame1, 600, 600, 4035, 4050);
    setBackground(Frame2, QColor(255, 128, 128));

    const QColor windowBackground = QApplication::palette().color(QPalette::Base);
    const auto &labelOf = gridLabelByCell();
    for (int cell = 0; cell < 9; ++cell) {
        auto *box = new PictureBox(cellName(cell), Frame2);
        box->setGeometry(twips::rect(kCellLefts[static_cast<std::size_t>(cell % 3)],
                                     kCellTops[static_cast<std::size_t>(cell / 3)], kCell, kCell));
        cells[static_cast<std::size_t>(cell)] = box;

        const int index = labelOf[static_cast<std::size_t>(cell)];
        const int digit = index + 1;
        auto *label = new Label(arrayName(QStringLiteral("lblLoshuGrid"), index), QString(), box);
        label->setGeometry(twips::rect(0, 0, kCellLabel, kCellLabel));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setVerdana(label, 8.25, true);
        setForeground(label, QColor(255, 0, 255));
        lblLoshuGrid[static_cast<std::size_t>(index)] = label;

        // Odd digits show their element behind a see-through label.
        const QImage picture = gridPicture(digit, box->width());
        if (picture.isNull()) {
            setBackground(label, windowBackground);
        } else {
            QPalette palette = box->palette();
            palette.setBrush(QPalette::Window, QBrush(QPixmap::fromImage(picture)));
            box->setPalette(palette);
            box->setAutoFillBackground(true);
        }
    }

    for (int i = 0; i < 8; ++i) {
        const SideCaption &side = kSides[static_cast<std::size_t>(i)];
        auto *label = new Label(arrayName(QStringLiteral("lblLoshuSides"), i),
                                QString::fromLatin1(side.caption), Frame1);
        label->setGeometry(twips::rect(side.left, side.top, side.width, side.height));
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        setVerdana(label, 8.25, true);
        lblLoshuSides[static_cast<std::size_t>(i)] = label;
    }

    Frame3 =
        makeFrame(QStringLiteral("Frame3"), QUrl(kSiteAddress).host(), this, 5625, 120, 4515, 705);
    setBackground(Frame3, Qt::white);
    Label61 = makeLinkLabel(QStringLiteral("Label61"), QString(), Frame3);
    Label61->setGeometry(twips::rect(120, 300, 4275, 330));
    Label61->setAlignment(Qt::AlignCenter);
    setForeground(Label61, Qt::blue);

    Label1 = new Label(
        QStringLiteral("Label1"),
        QStringLiteral("The Lo Shu square makes you understand more about the elements that are "
                       "absent in your life. The remedial measures help you counter the effect "
                       "of the missing elements."),
        this);
    Label1->setGeometry(twips::rect(5520, 1080, 4785, 780));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(true);
    shrinkToFit(Label1);

    RTBLoshu = new RichTextBox(this);
    RTBLoshu->setObjectName(QStringLiteral("RTBLoshu"));
    // No caption of its own: named after the headings of what it tells.
    nameAfterCaption(RTBLoshu, QStringLiteral("Missing Elements and Remedial Measures"));
    RTBLoshu->setGeometry(twips::rect(5520, 2040, 4785, 3375));
    setVerdana(RTBLoshu, 8.25);

    cmdSave = makeButton(QStringLiteral("cmdSave"), QStringLiteral("&Save"), this,
                         twips::rect(6180, 5692, 1100, 330), [this] { cmdSave_Click(); });
    cmdBack = makeButton(QStringLiteral("cmdBack"), QStringLiteral("&Back"), this,
                         twips::rect(8040, 5692, 1100, 330), [this] { cmdBack_Click(); });

    // The link would reach under the two buttons; it stops short of them,
    // its lines read from the top, in a smaller type when they need it.
    Label5 = makeLinkLabel(QStringLiteral("Label5"), QString(), this);
    Label5->setGeometry(twips::rect(120, 5520, 6180 - 120 - 120, 675));
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setForeground(Label5, Qt::blue);

    addFileMenu(this, {{"mnuBack", "&Back", [this] { mnuBack_Click(); }},
                       {"mnuFileSep", nullptr, {}},
                       {"mnuExit", "E&xit", [this] { mnuExit_Click(); }}});
    addHelpMenu(this);

    wireLinkLabels(this);
    shrinkToFit(Label5);
    shrinkToFit(Label61);
}

void frmLoshu::Form_Load()
{
    placeAsToolWindow();
}

void frmLoshu::Form_Unload()
{
    setSplashPanelVisible(true);
}

void frmLoshu::cmdBack_Click()
{
    // The input window comes back with its defaults: Proceed unloaded it.
    auto &input = form<frmMainFengShuiLoShu>();
    input.placeAsToolWindow();
    input.Show();
    FormRegistry::instance().unload(this);
    setSplashPanelVisible(false);
}

void frmLoshu::mnuBack_Click()
{
    cmdBack_Click();
}

void frmLoshu::cmdSave_Click()
{
    showReport<frmSaveFengShuiLoShu>();
}

void frmLoshu::mnuExit_Click()
{
    FormRegistry::instance().unload(this);
}

QString frmLoshu::missingElementText() const
{
    return RTBLoshu->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
}

} // namespace tessavo::loshu
