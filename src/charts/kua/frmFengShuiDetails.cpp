#include "charts/kua/frmFengShuiDetails.h"

#include "charts/kua/frmMainFengShuiKuaNumber.h"
#include "charts/kua/frmSaveFengShuiKuaNumber.h"
#include "frame/HelpMenu.h"
#include "frame/WindowParts.h"
#include "frame/MDI.h"
#include "platform/Controls.h"
#include "platform/FormRegistry.h"
#include "platform/QbColor.h"
#include "platform/SiteAddress.h"
#include "platform/Twips.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace tessavo::kua {

namespace {

const QColor kNavy(0, 0, 128);
const QColor kMaroon(128, 0, 0);

QWidget *makePage(const QString &name)
{
    auto *page = new QWidget;
    page->setObjectName(name);
    return page;
}

// Where each compass cell sits in Picture1, North at the top.
struct CellPlace {
    double left;
    double top;
};
// clang-format off
constexpr std::array<CellPlace, 9> kCompassCells = {{
    {120, 360}, {600, 360}, {1080, 360},    // NW, N, NE
    {120, 855}, {1080, 855},                // W, E
    {120, 1350}, {600, 1350}, {1080, 1350}, // SW, S, SE
    {600, 855},                             // centre
}};
// clang-format on
constexpr double kCompassCell = 495;

struct LegendRow {
    int paletteColour;
    const char *word;
};
constexpr std::array<LegendRow, 4> kLegend = {{
    {kCompassSuccess, "Success"},
    {kCompassHealth, "Health"},
    {kCompassRelationships, "Relationships"},
    {kCompassPersonal, "Personal"},
}};

const std::array<const char *, 8> kDirectionCaptions = {
    "Your Success (Sheng Chi) Direction",
    "Your Health (Tien Yi) Direction",
    "Your Romance (Nien Yin) Direction",
    "Your Personal Development (Fu Wei) Direction",
    "Your Mishaps (Ho Hai) Direction",
    "Your Five Ghosts or Illness (Wu Gwei) Direction",
    "Your Six Killings or Obstacle (Liu Sha) Direction",
    "Your Worst or Total Loss (Chueh Ming) Direction",
};
const std::array<const char *, 8> kDirectionBoxes = {
    "txtSuccess", "txtHealth",     "txtRelationships", "txtPersonal",
    "txtMishaps", "txtFiveGhosts", "txtSixKillings",   "txtTotalLoss",
};

struct ColourFrameRow {
    const char *frame;
    const char *caption;
    const char *wear;
    const char *avoid;
};
constexpr std::array<ColourFrameRow, 4> kColourFrames = {{
    {"fraSuccessColours", "Sheng Chi :- Success Direction", "lblColourToWearSuccess",
     "lblColourToAvoidSuccess"},
    {"fraHealthColours", "Tien Yi :- Health Direction", "lblColourToWearHealth",
     "lblColourToAvoidHealth"},
    {"fraRelationshipsColours", "Nien Yin - Relationships Direction",
     "lblColourToWearRelationships", "lblColourToAvoidRelationships"},
    {"fraPersonalColours", "Fu Wei :- Personal Development", "lblColourToWearPersonal",
     "lblColourToAvoidPersonal"},
}};

} // namespace

frmFengShuiDetails::frmFengShuiDetails() : Form(QString::fromLatin1(kName), FormKind::Child)
{
    setCaption(QStringLiteral("Orlix Feng Shui Kua Number"));
    setClientSize(10035, 7350);
    setVerdana(this, 8.25);

    QGroupBox *Frame5 = makeFrame(QStringLiteral("Frame5"), QString(), this, 120, 0, 9795, 435);
    Label14 = makeLinkLabel(QStringLiteral("Label14"),
                            QStringLiteral("The Most Popular Online Vantrel Discussion Forum.") +
                                QStringLiteral(" Visit us at ") + kSiteAddress,
                            Frame5);
    Label14->setGeometry(twips::rect(120, 120, 9555, 255));
    Label14->setAlignment(Qt::AlignCenter);
    setForeground(Label14, Qt::blue);

    SSTab = new QTabWidget(this);
    SSTab->setObjectName(QStringLiteral("SSTab"));
    SSTab->setGeometry(twips::rect(120, 480, 9795, 6180));
    SSTab->addTab(buildElementsTab(), QStringLiteral("Feng Shui Elements"));
    SSTab->addTab(buildDirectionsTab(), QStringLiteral("Feng Shui Directions"));
    SSTab->addTab(buildColoursTab(), QStringLiteral("Feng Shui Personal Colors"));

    Label3 = makeLinkLabel(QStringLiteral("Label3"), QString(), this);
    // The label reaches past the bottom edge: its three lines start at the
    // top, in a slightly smaller type, so that all of them show.
    Label3->setGeometry(twips::rect(120, 6720, 6420, 675));
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setVerdana(Label3, 7.5);
    setForeground(Label3, Qt::blue);

    const struct {
        QPushButton *&button;
        const char *name;
        const char *caption;
        double left;
        void (frmFengShuiDetails::*handler)();
    } buttons[] = {
        {cmdPrint, "cmdPrint", "&Save", 6720, &frmFengShuiDetails::cmdPrint_Click},
        {cmdExit, "cmdExit", "E&xit", 7800, &frmFengShuiDetails::cmdExit_Click},
        {cmdBack, "cmdBack", "&Back", 8910, &frmFengShuiDetails::cmdBack_Click},
    };
    for (const auto &b : buttons) {
        b.button = makeButton(QString::fromLatin1(b.name), QString::fromLatin1(b.caption), this,
                              twips::rect(b.left, 6780, 1005, 345),
                              [this, handler = b.handler] { (this->*handler)(); });
    }

    addFileMenu(this, {{"mnuPrint", "&Save", [this] { mnuPrint_Click(); }},
                       {"mnuBack", "&Back", [this] { mnuBack_Click(); }},
                       {"mnuFileSep1", nullptr, {}},
                       {"mnuExit", "E&xit", [this] { mnuExit_Click(); }}});
    addHelpMenu(this);

    wireLinkLabels(this);
}

QWidget *frmFengShuiDetails::buildElementsTab()
{
    QWidget *page = makePage(QStringLiteral("tabElements"));
    QGroupBox *fraStarUserDetails =
        makeFrame(QStringLiteral("fraStarUserDetails"), QStringLiteral(" Feng Shui Kua Number "),
                  page, 60, 60, 9600, 5580);

    QGroupBox *kuaNo =
        makeFrame(QStringLiteral("fraKuaNumber"), QStringLiteral("Your Kua Number is: "),
                  fraStarUserDetails, 180, 300, 2160, 1560);
    lblFengShuiKuaNo = makeLabel(QStringLiteral("lblFengShuiKuaNo"), QString(), kuaNo, 120, 360,
                                 1920, 960, Qt::AlignCenter);
    setVerdana(lblFengShuiKuaNo, 28, true);
    setForeground(lblFengShuiKuaNo, kMaroon);

    // Colour and trigram: a caption above its picture.
    const auto captionAndPicture = [&](const QString &frameName, const QString &frameCaption,
                                       double left, const QString &captionName,
                                       const QString &imageName, Label *&caption, Label *&image) {
        QGroupBox *frame =
            makeFrame(frameName, frameCaption, fraStarUserDetails, left, 300, 2160, 1560);
        caption = makeLabel(captionName, QString(), frame, 120, 300, 1920, 255, Qt::AlignCenter);
        setVerdana(caption, 9, true);
        setForeground(caption, kNavy);
        image = makeLabel(imageName, QString(), frame, 660, 600, 840, 840, Qt::AlignCenter);
    };
    captionAndPicture(QStringLiteral("fraColour"), QStringLiteral("Your Color Is:"), 2460,
                      QStringLiteral("lblFengShuiColour"), QStringLiteral("imgColour"),
                      lblFengShuiColour, imgColour);
    captionAndPicture(QStringLiteral("fraTrigram"), QStringLiteral("Your Trigram is: "), 4740,
                      QStringLiteral("lblFengShuiTrigram"), QStringLiteral("imgTrigram"),
                      lblFengShuiTrigram, imgTrigram);

    lblName =
        makeText(QStringLiteral("lblName"), QString(), fraStarUserDetails, 7020, 420, 2400, 1380);
    setVerdana(lblName, 10, true);
    setForeground(lblName, kMaroon);

    QGroupBox *element =
        makeFrame(QStringLiteral("fraElement"), QStringLiteral("Your Element is: "),
                  fraStarUserDetails, 180, 1980, 9240, 2760);
    QGroupBox *group =
        makeFrame(QStringLiteral("fraGroup"), QString(), element, 180, 300, 1800, 960);
    makeLabel(QStringLiteral("lblYourAreA"), QStringLiteral("Your are a"), group, 60, 120, 1680,
              240, Qt::AlignCenter);
    lblFengShuiGroup = makeLabel(QStringLiteral("lblFengShuiGroup"), QString(), group, 60, 360,
                                 1680, 240, Qt::AlignCenter);
    setVerdana(lblFengShuiGroup, 8.25, true);
    setForeground(lblFengShuiGroup, kNavy);
    makeLabel(QStringLiteral("lblGroupPerson"), QStringLiteral("Group Person"), group, 60, 600,
              1680, 240, Qt::AlignCenter);
    lblFengShuiElement = makeLabel(QStringLiteral("lblFengShuiElement"), QString(), element, 180,
                                   1380, 1800, 255, Qt::AlignCenter);
    setVerdana(lblFengShuiElement, 9, true);
    setForeground(lblFengShuiElement, kNavy);
    imgElement = makeLabel(QStringLiteral("imgElement"), QString(), element, 630, 1710, 900, 900,
                           Qt::AlignCenter);
    lblElementDesc =
        makeText(QStringLiteral("lblElementDesc"), QString(), element, 2160, 300, 6900, 2340);

    makeText(QStringLiteral("lblAboutKua"),
             QStringLiteral("Kua or Gua Number calculated according to the Eight Mansions School "
                            "of Feng Shui helps one attain prosperity and everlasting success. It "
                            "is calculated on basis of your birth and gender details."),
             fraStarUserDetails, 180, 4860, 9240, 630);
    return page;
}

QWidget *frmFengShuiDetails::buildDirectionsTab()
{
    QWidget *page = makePage(QStringLiteral("tabDirections"));
    QGroupBox *fraStarUserSignDetails =
        makeFrame(QStringLiteral("fraStarUserSignDetails"), QStringLiteral(" Feng Shui Directions"),
                  page, 60, 60, 6960, 3840);
    QLineEdit **boxes[] = {&txtSuccess, &txtHealth,     &txtRelationships, &txtPersonal,
                           &txtMishaps, &txtFiveGhosts, &txtSixKillings,   &txtTotalLoss};
    for (int i = 0; i < 8; ++i) {
        const double top = 330 + 420 * i;
        Label *caption = makeLabel(arrayName(QStringLiteral("lblDirectionCaption"), i),
                                   QString::fromLatin1(kDirectionCaptions[i]),
                                   fraStarUserSignDetails, 180, top, 5100, 315);
        auto *box = new QLineEdit(fraStarUserSignDetails);
        box->setObjectName(QString::fromLatin1(kDirectionBoxes[i]));
        box->setGeometry(twips::rect(5340, top, 1500, 315));
        caption->setBuddy(box);
        *boxes[i] = box;
    }

    Picture1 = new PictureBox(QStringLiteral("Picture1"), page);
    Picture1->setGeometry(twips::rect(7140, 60, 2520, 3840));
    Label *Label20 = makeLabel(QStringLiteral("Label20"), QStringLiteral("Good Direction Map"),
                               Picture1, 60, 60, 2400, 255, Qt::AlignCenter);
    setVerdana(Label20, 8.25, true);
    const auto &captions = compassCaptions();
    for (int i = 0; i < 9; ++i) {
        const CellPlace &place = kCompassCells[static_cast<std::size_t>(i)];
        Label *cell = makeLabel(arrayName(QStringLiteral("lblDirection"), i),
                                captions[static_cast<std::size_t>(i)], Picture1, place.left,
                                place.top, kCompassCell, kCompassCell, Qt::AlignCenter);
        cell->setFrameShape(QFrame::Box);
        setBackground(cell, qbColor(kCompassPlain));
        lblDirection[static_cast<std::size_t>(i)] = cell;
    }
    for (int i = 0; i < 4; ++i) {
        const LegendRow &row = kLegend[static_cast<std::size_t>(i)];
        const double top = 2040 + 360 * i;
        Label *swatch = makeLabel(arrayName(QStringLiteral("shpLegend"), i), QString(), Picture1,
                                  120, top, 360, 255);
        swatch->setFrameShape(QFrame::Box);
        setBackground(swatch, qbColor(row.paletteColour));
        makeLabel(arrayName(QStringLiteral("lblLegend"), i), QString::fromLatin1(row.word),
                  Picture1, 600, top, 1800, 255);
    }

    QGroupBox *note =
        makeFrame(QStringLiteral("fraDirectionsNote"), QString(), page, 60, 4020, 9600, 1140);
    makeText(QStringLiteral("lblDirectionsNote"),
             QStringLiteral("The first four Auspicious Directions are good for prosperity and "
                            "should be used while you work, sit or sleep. The last four "
                            "Inauspicious Directions should be avoided while you work, sit or "
                            "sleep as it may create problems in your life and may be used as "
                            "storerooms, and bathrooms."),
             note, 180, 240, 9240, 780);
    return page;
}

QWidget *frmFengShuiDetails::buildColoursTab()
{
    QWidget *page = makePage(QStringLiteral("tabColours"));
    Label **wear[] = {&lblColourToWearSuccess, &lblColourToWearHealth,
                      &lblColourToWearRelationships, &lblColourToWearPersonal};
    Label **avoid[] = {&lblColourToAvoidSuccess, &lblColourToAvoidHealth,
                       &lblColourToAvoidRelationships, &lblColourToAvoidPersonal};
    for (int i = 0; i < 4; ++i) {
        const ColourFrameRow &row = kColourFrames[static_cast<std::size_t>(i)];
        QGroupBox *frame =
            makeFrame(QString::fromLatin1(row.frame), QString::fromLatin1(row.caption), page, 60,
                      60 + 1110 * i, 9600, 1020);
        *wear[i] = makeText(QString::fromLatin1(row.wear), QString(), frame, 180, 360, 9240, 300);
        setForeground(*wear[i], QColor(0, 128, 0));
        *avoid[i] = makeText(QString::fromLatin1(row.avoid), QString(), frame, 180, 660, 9240, 300);
        setForeground(*avoid[i], kMaroon);
    }
    QGroupBox *note =
        makeFrame(QStringLiteral("fraColoursNote"), QString(), page, 60, 4530, 9600, 1020);
    makeText(QStringLiteral("lblColoursNote"),
             QStringLiteral("Personal colors can have a positive effect on your performance and "
                            "energy. Use the different colors for Success, Health, Relationships "
                            "and Personal Developments to see the desired effects and avoid the "
                            "unlucky colors to prevent bad luck."),
             note, 180, 180, 9240, 720);
    return page;
}

std::array<QLineEdit *, 8> frmFengShuiDetails::directionBoxes() const
{
    return {txtSuccess, txtHealth,     txtRelationships, txtPersonal,
            txtMishaps, txtFiveGhosts, txtSixKillings,   txtTotalLoss};
}

std::array<Label *, 4> frmFengShuiDetails::wearLabels() const
{
    return {lblColourToWearSuccess, lblColourToWearHealth, lblColourToWearRelationships,
            lblColourToWearPersonal};
}

std::array<Label *, 4> frmFengShuiDetails::avoidLabels() const
{
    return {lblColourToAvoidSuccess, lblColourToAvoidHealth, lblColourToAvoidRelationships,
            lblColourToAvoidPersonal};
}

void frmFengShuiDetails::Form_Load()
{
    placeAsToolWindow();
    const FengShuiModule &module = modFengShui();
    const QString title = module.KuaUserSex == QLatin1String("Male") ? QStringLiteral("Mr. ")
                                                                     : QStringLiteral("Ms. ");
    lblName->setText(title + module.KuaUserName);
    SSTab->setCurrentIndex(0);
}

void frmFengShuiDetails::Form_Unload()
{
    setSplashPanelVisible(true);
}

void frmFengShuiDetails::cmdBack_Click()
{
    // The input window comes back with its defaults: Proceed unloaded it.
    auto &input = form<frmMainFengShuiKuaNumber>();
    input.placeAsToolWindow();
    input.Show();
    FormRegistry::instance().unload(this);
    setSplashPanelVisible(false);
}

void frmFengShuiDetails::mnuBack_Click()
{
    cmdBack_Click();
}

void frmFengShuiDetails::cmdExit_Click()
{
    FormRegistry::instance().unload(this);
}

void frmFengShuiDetails::mnuExit_Click()
{
    cmdExit_Click();
}

void frmFengShuiDetails::cmdPrint_Click()
{
    showReport<frmSaveFengShuiKuaNumber>();
}

void frmFengShuiDetails::mnuPrint_Click()
{
    cmdPrint_Click();
}

KuaReportFields frmFengShuiDetails::reportFields() const
{
    const FengShuiModule &module = modFengShui();
    KuaReportFields fields;
    fields.name = module.KuaUserName;
    fields.birthDate = module.KuaBirthDate;
    fields.kuaNo = lblFengShuiKuaNo->text();
    fields.group = lblFengShuiGroup->text();
    fields.element = lblFengShuiElement->text();
    fields.trigram = lblFengShuiTrigram->text();
    fields.colour = lblFengShuiColour->text();
    const auto boxes = directionBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        fields.directions[i] = boxes[i]->text();
    return fields;
}

} // namespace tessavo::kua
