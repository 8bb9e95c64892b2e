#include "charts/bazi/frmMainFengShuiBaZi.h"

#include "charts/PersonEntry.h"
#include "charts/bazi/BaZiCalc.h"
#include "charts/bazi/Ephemeris.h"
#include "charts/bazi/frmFengShuiFourPillar.h"
#include "charts/bazi/modFengShuiFourPillar.h"
#include "frame/HelpMenu.h"
#include "frame/MDI.h"
#include "frame/WindowParts.h"
#include "platform/Controls.h"
#include "platform/FormRegistry.h"
#include "platform/InputNames.h"
#include "platform/Services.h"
#include "platform/Text.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tessavo::bazi {

namespace {

const QString kMale = QStringLiteral("Male");
const QString kFemale = QStringLiteral("Female");
const QString kDefaultLongitude = QStringLiteral("22");

BirthDateEntryLayout birthDateLayout()
{
    BirthDateEntryLayout layout;
    layout.day = {3222, 1320, 550, 315};
    layout.month = {1920, 1320, 1250, 315};
    layout.year = {3825, 1320, 855, 315};
    layout.firstYear = 1924;
    layout.lastYear = 2050;
    return layout;
}

QStringList numberList(int first, int last)
{
    QStringList numbers;
    for (int n = first; n <= last; ++n)
        numbers << QString::number(n);
    return numbers;
}

QComboBox *makeList(const QString &name, const QStringList &entries, QWidget *parent, double left,
                    double width)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(false);
    list->addItems(entries);
    list->setGeometry(twips::rect(left, 1800, width, 315));
    return list;
}

// A caption; without a width it sizes itself to its text.
Label *makeCaption(int index, const QString &caption, QWidget *parent, double left, double top,
                   double width = 0, double height = 0)
{
    auto *label = new Label(arrayName(QStringLiteral("Label1"), index), caption, parent);
    label->move(twips::point(left, top));
    label->adjustSize();
    if (width > 0)
        label->resize(twips::toPixels(width),
                      height > 0 ? twips::toPixels(height) : label->height());
    return label;
}

// The text of a list entry or a box, read as a number the way the window
// reads every list: blanks around it removed first.
int numberIn(const QString &text)
{
    return trimSpaces(text).toInt();
}

} // namespace

frmMainFengShuiBaZi::frmMainFengShuiBaZi() : Form(QString::fromLatin1(kName), FormKind::Child)
{
    setCaption(QStringLiteral("Orlix Feng Shui Ba Zi"));
    setClientSize(8085, 4845);
    setVerdana(this, 8.25);

    // The captions of the links come from the link table.
    Label14 = makeLinkLabel(QStringLiteral("Label14"), QString(), this);
    Label14->setGeometry(twips::rect(1627, 0, 4830, 240));
    Label3 = makeLinkLabel(QStringLiteral("Label3"), QString(), this);
    Label3->setGeometry(twips::rect(1807, 240, 4470, 240));
    for (Label *link : {Label14, Label3}) {
        link->setAlignment(Qt::AlignCenter);
        setForeground(link, Qt::blue);
    }
    Label1[7] = makeCaption(7, QStringLiteral("Orlix Feng Shui Ba Zi"), this, 2835, 525, 1890, 210);
    Label1[7]->setAlignment(Qt::AlignCenter);
    setVerdana(Label1[7], 9, true);
    // The heading in bold is wider than its place: it grows about its centre
    // rather than losing its last words.
    {
        const QRect place = Label1[7]->geometry();
        const QSize needed = Label1[7]->sizeHint().expandedTo(place.size());
        Label1[7]->setGeometry(QRect(QPoint(0, 0), needed)
                                   .translated(place.center().x() - needed.width() / 2, place.y()));
    }

    Label2 = new Label(
        QStringLiteral("Label2"),
        QStringLiteral("The natal chart of a person, the Ba Zi, stands on four pillars: the year, "
                       "month, day and hour of birth. Each pillar has an animal of the Chinese "
                       "zodiac at its bottom and, at its top, one of the five kinds of Qi (Wood, "
                       "Fire, Earth, Metal or Water) in its Yin or Yang expression."),
        this);
    Label2->setGeometry(twips::rect(120, 960, 2295, 3015));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Frame1 = makeFrame(QStringLiteral("Frame1"), QStringLiteral("Personal Details"), this, 2500,
                       960, 5535, 2655);

    Label1[3] = makeCaption(3, QStringLiteral("Please Fill Up the following details"), Frame1, 975,
                            360, 3360);
    setVerdana(Label1[3], 8.25, true);
    Label1[0] = makeCaption(0, QStringLiteral("Enter Name"), Frame1, 120, 885);
    txtName = makeTextBox(QStringLiteral("txtName"), Frame1, 1920, 840, 3500, 285);
    Label1[0]->setBuddy(txtName);

    Label1[1] = makeCaption(1, QStringLiteral("Enter Date of Birth"), Frame1, 120, 1365);
    m_person = std::make_unique<PersonEntry>(
        txtName, std::make_unique<BirthDateEntry>(Frame1, birthDateLayout()),
        NameCheck{QStringLiteral("Please Enter Your Name"), MsgIcon::Critical, true});
    Label1[1]->setBuddy(birthDate().cboMonth());
    birthDate().nameAfter(Label1[1]->text());

    Label1[5] = makeCaption(5, QStringLiteral("Enter Time of Birth"), Frame1, 120, 1860);
    cboHH = makeList(QStringLiteral("cboHH"), numberList(1, 12), Frame1, 1920, 550);
    cboMM = makeList(QStringLiteral("cboMM"), numberList(1, 59), Frame1, 2515, 550);
    cboSS = makeList(QStringLiteral("cboSS"), numberList(1, 59), Frame1, 3110, 550);
    cboAMPM = makeList(QStringLiteral("cboAMPM"), {QStringLiteral("AM"), QStringLiteral("PM")},
                       Frame1, 3705, 675);
    Label1[5]->setBuddy(cboHH);
    const QString time = Label1[5]->text();
    nameAfterCaption(cboHH, time, QStringLiteral("hour"));
    nameAfterCaption(cboMM, time, QStringLiteral("minute"));
    nameAfterCaption(cboSS, time, QStringLiteral("second"));
    nameAfterCaption(cboAMPM, time, QStringLiteral("AM or PM"));
    Label1[6] = makeCaption(6, QStringLiteral("HH:MM:SS"), Frame1, 4520, 1860);

    Label1[2] = makeCaption(2, QStringLiteral("Enter Gender"), Frame1, 120, 2310);
    optMale = new QRadioButton(kMale, Frame1);
    optMale->setObjectName(QStringLiteral("optMale"));
    optMale->setGeometry(twips::rect(1920, 2280, 735, 255));
    optFemale = new QRadioButton(kFemale, Frame1);
    optFemale->setObjectName(QStringLiteral("optFemale"));
    optFemale->setGeometry(twips::rect(2865, 2280, 975, 255));
    m_person->setSexOptions(this, optMale, optFemale);
    m_person->setSexCheck({QStringLiteral("Please Select Your Gender"), nullptr});
    Label1[2]->setBuddy(optMale);

    cmdCalculation =
        makeButton(QStringLiteral("cmdCalculation"), QStringLiteral("Analyze My Ba Zi"), this,
                   twips::rect(2500, 3720, 5535, 375), [this] { cmdCalculation_Click(); });
    setVerdana(cmdCalculation, 8.25, true);

    Label37 = makeLinkLabel(QStringLiteral("Label37"), QString(), this);
    Label37->setGeometry(twips::rect(112, 4200, 7860, 795));
    Label37->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setForeground(Label37, Qt::blue);

    // Below the window's bottom edge: out of sight, but the keyboard still
    // reaches the button and the box.
    Command1 = makeButton(QStringLiteral("Command1"), QStringLiteral("Command1"), this,
                          twips::rect(1320, 6600, 1215, 495), [this] { Command1_Click(); });
    Label1[4] = makeCaption(4, QStringLiteral("Enter Longitude of Birth Place (Degree Only)"), this,
                            135, 7230, 3825);
    txtLongitude =
        makeTextBox(QStringLiteral("txtLongitude"), this, 4290, 7170, 500, 300, kDefaultLongitude);
    Label1[4]->setBuddy(txtLongitude);

    setTabChain({txtName, birthDate().cboMonth(), birthDate().cboDate(), birthDate().cboYear(),
                 cboHH, cboMM, cboSS, cboAMPM, cmdCalculation, txtLongitude, Command1, optFemale,
                 optMale});

    addFileMenu(this, {{"mnuExit", "E&xit", [this] { mnuExit_Click(); }}});
    addHelpMenu(this);

    wireLinkLabels(this);
}

frmMainFengShuiBaZi::~frmMainFengShuiBaZi() = default;

void frmMainFengShuiBaZi::Form_Load()
{
    birthDate().select(0, 0, 0);
    for (QComboBox *list : {cboHH, cboMM, cboSS, cboAMPM})
        list->setCurrentIndex(0);
    optMale->setChecked(true);
    txtName->setFocus();
    placeAsToolWindow();
}

void frmMainFengShuiBaZi::Form_Unload()
{
    setSplashPanelVisible(true);
}

bool frmMainFengShuiBaZi::ValidateInput()
{
    return m_person->validate();
}

void frmMainFengShuiBaZi::cmdCalculation_Click()
{
    if (!ValidateInput())
        return;

    FourPillarModule &module = modFengShuiFourPillar();
    module.BaZiUserName = m_person->name();
    module.BaZiBirthYear = static_cast<qint16>(m_person->year().toInt());
    module.BaZiBirthMonth = m_person->month();
    module.BaZiBirthDay = static_cast<qint16>(m_person->day().toInt());
    module.BaZiBirthHour = static_cast<qint16>(numberIn(cboHH->currentText()));
    module.BaZiBirthMinute = static_cast<qint16>(cboMM->currentIndex() + 1);
    module.BaZiBirthSecond = static_cast<qint16>(numberIn(cboSS->currentText()));
    module.BaZiAmPm = trimSpaces(cboAMPM->currentText());
    // A longitude that is no 16-bit whole number keeps the one before.
    bool isNumber = false;
    const qint16 longitude = trimSpaces(txtLongitude->text()).toShort(&isNumber);
    if (isNumber)
        module.BaZiLongitude = longitude;
    module.BaZiUserSex = m_person->sex();

    CalcYearPillar(module.BaZiBirthYear);
    CalcMonthPillar();
    CalcDayNumber();
    CalcDayPillar(module.DayNumber);
    CalcHourPillar();
    ShowPillarElements();

    form<frmFengShuiFourPillar>().Show();
    FormRegistry::instance().unload(this);
    // Unloading showed the splash panel; the result window is open.
    setSplashPanelVisible(false);
}

void frmMainFengShuiBaZi::Command1_Click()
{
    probeEphemeris(m_person->year().toInt(), birthDate().monthPosition() + 1,
                   m_person->day().toInt(),
                   ephemerisHour(numberIn(cboHH->currentText()), numberIn(cboMM->currentText())));
}

void frmMainFengShuiBaZi::mnuExit_Click()
{
    FormRegistry::instance().unload(this);
}

} // namespace tessavo::bazi
