#include "charts/flyingstar/frmMainFengShuiFlyingStar.h"

#include "charts/PersonEntry.h"
#include "charts/flyingstar/FlyingStarCalc.h"
#include "charts/flyingstar/frmFlyingStar.h"
#include "frame/HelpMenu.h"
#include "frame/MDI.h"
#include "frame/WindowParts.h"
#include "frame/modHelp.h"
#include "platform/Controls.h"
#include "platform/FormRegistry.h"
#include "platform/InputNames.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace tessavo::flyingstar {

namespace {

const QColor kWindowBack(64, 64, 64);
const QColor kEntryText(255, 255, 128);
const QColor kLinkText(128, 255, 255);

// The year list runs through the nine periods; 1950 is picked first.
BirthDateEntryLayout builtDateLayout()
{
    BirthDateEntryLayout layout;
    layout.day = {360, 240, 855, 315};
    layout.month = {1680, 240, 1455, 315};
    layout.year = {3600, 240, 975, 315};
    layout.firstYear = kFirstYear;
    layout.lastYear = kLastYear;
    layout.dayPos = 0;
    layout.monthPos = 0;
    layout.yearPos = 86;
    return layout;
}

void styleEntry(QWidget *entry)
{
    setForeground(entry, kEntryText);
    setBackground(entry, kWindowBack);
    // A drop-down list is drawn as a button.
    QPalette palette = entry->palette();
    palette.setColor(QPalette::Button, kWindowBack);
    entry->setPalette(palette);
}

} // namespace

frmMainFengShuiFlyingStar::frmMainFengShuiFlyingStar()
    : Form(QString::fromLatin1(kName), FormKind::Child)
{
    setCaption(QStringLiteral("Orlix Flying Star Feng Shui"));
    setClientSize(6765, 5250);
    setVerdana(this, 8.25);
    setBackground(this, kWindowBack);
    // Frame captions and plain captions are white on the dark window.
    setForeground(this, Qt::white);

    Frame2 = makeFrame(QStringLiteral("Frame2"), QString(), this, 20, 0, 6735, 615);
    Label61 = makeLinkLabel(QStringLiteral("Label61"), QString(), Frame2);
    Label61->setGeometry(twips::rect(120, 150, 6495, 400));
    Label61->setAlignment(Qt::AlignCenter);

    Label6 = new Label(
        QStringLiteral("Label6"),
        QStringLiteral("Halvenor Flying Star works out the stars that fly through the nine "
                       "palaces of your house from the year it was built and the direction it "
                       "faces. The chart shows the period, mountain and facing star of every "
                       "palace. Use it to find the auspicious and inauspicious areas of your home "
                       "and to place its rooms."),
        this);
    Label6->setGeometry(twips::rect(120, 645, 6615, 975));
    Label6->setWordWrap(true);
    Label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    fraName = makeFrame(QStringLiteral("fraName"), QString(), this, 22, 1450, 6720, 3045);
    Frame1 = makeFrame(QStringLiteral("Frame1"), QString(), fraName, 120, 120, 6495, 615);
    Label2 = new Label(QStringLiteral("Label2"), QStringLiteral("Your Name:-"), Frame1);
    Label2->setGeometry(twips::rect(120, 240, 1095, 195));
    txtFirstName = new QLineEdit(Frame1);
    txtFirstName->setObjectName(QStringLiteral("txtFirstName"));
    txtFirstName->setGeometry(twips::rect(1320, 180, 3465, 345));
    styleEntry(txtFirstName);
    Label2->setBuddy(txtFirstName);
    new KeyPressHook(txtFirstName, [this](QKeyEvent *event) {
        const QString typed = event->text();
        if (typed.size() != 1)
            return true;
        return txtFirstName_KeyPress(typed.at(0).unicode());
    });

    fraBirthDay =
        makeFrame(QStringLiteral("fraBirthDay"), QString(), fraName, 120, 720, 6525, 2205);
    Frame4 = makeFrame(QStringLiteral("Frame4"),
                       QStringLiteral("Input the Year when your house was built"), fraBirthDay, 240,
                       140, 6015, 680);
    // A name of blanks is a name.
    m_person = std::make_unique<PersonEntry>(
        txtFirstName, std::make_unique<BirthDateEntry>(Frame4, builtDateLayout()),
        NameCheck{QStringLiteral("Please Enter Your First Name"), MsgIcon::Information, false});
    for (QComboBox *list : {birthDate().cboDate(), birthDate().cboMonth(), birthDate().cboYear()})
        styleEntry(list);
    birthDate().nameAfter(Frame4->title());

    Frame3 = makeFrame(QStringLiteral("Frame3"), QStringLiteral("Input Range of Degree"),
                       fraBirthDay, 240, 840, 6015, 1275);
    Label3 = new Label(QStringLiteral("Label3"),
                       QStringLiteral("Facing Direction signifies a brightly lit sunny area in "
                                      "your house and need not be the Main Door"),
                       Frame3);
    Label3->setGeometry(twips::rect(360, 240, 5295, 375));
    Label3->setWordWrap(true);
    cboRangeOfDegree = new QComboBox(Frame3);
    cboRangeOfDegree->setObjectName(QStringLiteral("cboRangeOfDegree"));
    cboRangeOfDegree->setEditable(false);
    cboRangeOfDegree->setGeometry(twips::rect(360, 750, 2175, 315));
    cboRangeOfDegree->addItems(sectorList());
    styleEntry(cboRangeOfDegree);
    Label3->setBuddy(cboRangeOfDegree);
    // The caption beside the list explains the facing; its frame's says what to pick.
    nameAfterCaption(cboRangeOfDegree, Frame3->title());

    cmdNext = makeButton(QStringLiteral("cmdNext"), QStringLiteral("Plot Flying Star &Chart "),
                         Frame3, twips::rect(3480, 840, 2325, 315), [this] { cmdNext_Click(); });
    setVerdana(cmdNext, 8.25, true);
    // Dark text on the light button, not the window's white.
    setForeground(cmdNext, Qt::black);

    Label37 = makeLinkLabel(QStringLiteral("Label37"), QString(), this);
    Label37->setGeometry(twips::rect(15, 4560, 6720, 675));
    Label37->setAlignment(Qt::AlignCenter);
    for (Label *link : {Label61, Label37})
        setForeground(link, kLinkText);

    setTabChain({txtFirstName, birthDate().cboDate(), birthDate().cboMonth(),
                 birthDate().cboYear(), cboRangeOfDegree, cmdNext});

    nuFile = addFileMenu(this,
                         {{"mnuNext", "Plot Flying Star &Chart ", [this] { mnuNext_Click(); }},
                          {"mnuExit", "E&xit", [this] { mnuExit_Click(); }}},
                         QStringLiteral("nuFile"));
    mnuNext = nuFile->findChild<QAction *>(QStringLiteral("mnuNext"));
    mnuExit = nuFile->findChild<QAction *>(QStringLiteral("mnuExit"));
    addHelpMenu(this);

    wireLinkLabels(this);
}

frmMainFengShuiFlyingStar::~frmMainFengShuiFlyingStar() = default;

void frmMainFengShuiFlyingStar::Form_Load()
{
    // The window loads on whatever the user answers.
    RemindUpdateCheck();
    const BirthDateEntryLayout defaults = builtDateLayout();
    birthDate().select(defaults.dayPos, defaults.monthPos, defaults.yearPos);
    cboRangeOfDegree->setCurrentIndex(0);
    placeAsToolWindow();
}

void frmMainFengShuiFlyingStar::Form_Unload()
{
    setSplashPanelVisible(true);
}

bool frmMainFengShuiFlyingStar::txtFirstName_KeyPress(int keyAscii)
{
    if (keyAscii < 'a' || keyAscii > 'z')
        return true;
    txtFirstName->insert(QString(QChar(keyAscii - 32)));
    return false;
}

bool frmMainFengShuiFlyingStar::ValidateInput()
{
    return m_person->validate();
}

void frmMainFengShuiFlyingStar::cmdNext_Click()
{
    if (!ValidateInput())
        return;

    FlyingStarModule &module = modFlyingStar();
    module.BuiltYear = m_person->year().toShort();
    FindPeriod();

    const FlyingStarChart chart = chartFor(module.PeriodNumber, cboRangeOfDegree->currentIndex());
    FacingBaseStar = static_cast<qint16>(chart.facingBaseStar);
    MountainBaseStar = static_cast<qint16>(chart.mountainBaseStar);

    frmFlyingStar &result = form<frmFlyingStar>();
    result.showChart(chart);
    result.Show();
    // Hidden, not unloaded: Back brings the entries of this plot back.
    Hide();
    setSplashPanelVisible(false);
}

void frmMainFengShuiFlyingStar::mnuNext_Click()
{
    cmdNext_Click();
}

void frmMainFengShuiFlyingStar::CloseForm()
{
    FormRegistry::instance().unload(this);
}

void frmMainFengShuiFlyingStar::mnuExit_Click()
{
    CloseForm();
}

} // namespace tessavo::flyingstar
