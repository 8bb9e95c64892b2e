#include "charts/loshu/frmMainFengShuiLoShu.h"

#include "charts/loshu/FitLabel.h"
#include "charts/loshu/LoShuCalc.h"
#include "charts/loshu/frmLoshu.h"
#include "charts/loshu/modFengShuiLoshu.h"
#include "frame/HelpMenu.h"
#include "frame/MDI.h"
#include "platform/Controls.h"
#include "platform/FormRegistry.h"
#include "platform/Services.h"
#include "platform/Text.h"
#include "platform/Twips.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tessavo::loshu {

namespace {

const QString kMale = QStringLiteral("Male");
const QString kFemale = QStringLiteral("Female");

// A caption that sizes itself to its text.
Label *makeCaption(const QString &name, const QString &caption, QWidget *parent, double left,
                   double top)
{
    auto *label = new Label(name, caption, parent);
    label->move(twips::point(left, top));
    label->adjustSize();
    return label;
}

// The two links below the entries: dark olive on white.
Label *makeLink(const QString &name, QWidget *parent, double left, double top, double width,
                double height)
{
    Label *label = makeLinkLabel(name, QString(), parent);
    label->setGeometry(twips::rect(left, top, width, height));
    label->setAlignment(Qt::AlignCenter);
    setBackground(label, Qt::white);
    setForeground(label, QColor(64, 64, 0));
    return label;
}

} // namespace

frmMainFengShuiLoShu::frmMainFengShuiLoShu() : Form(QString::fromLatin1(kName), FormKind::Child)
{
    setCaption(QStringLiteral("Orlix Feng Shui Lo Shu"));
    setClientSize(4950, 4425);
    setVerdana(this, 8.25);

    Label6 = new Label(QStringLiteral("Label6"), QStringLiteral("Orlix Feng Shui Lo Shu "), this);
    Label6->setGeometry(twips::rect(1080, 120, 2790, 270));
    Label6->setAlignment(Qt::AlignCenter);
    setVerdana(Label6, 12, true);
    shrinkToFit(Label6);

    Label4 = new Label(
        QStringLiteral("Label4"),
        QStringLiteral("The Lo Shu Grid is a magic square. It helps you analyze your destiny and "
                       "know how you relate with the five elements like Earth, Water, Fire, Wood "
                       "and Metal. In this grid the date of birth is studied with relation to the "
                       "above elements."),
        this);
    Label4->setGeometry(twips::rect(120, 480, 4800, 975));
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label4->setWordWrap(true);
    setVerdana(Label4, 8.25, true);
    shrinkToFit(Label4);

    // The entries sit in the frame as in the Kua number window.
    fraDetails = new QGroupBox(QStringLiteral("Your Details Please"), this);
    fraDetails->setObjectName(QStringLiteral("fraDetails"));
    fraDetails->setGeometry(twips::rect(60, 1620, 4845, 1695));

    Label1 = makeCaption(QStringLiteral("Label1"), QStringLiteral("Name"), fraDetails, 480, 360);
    txtName = new QLineEdit(fraDetails);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setGeometry(twips::rect(1050, 270, 3705, 345));
    Label1->setBuddy(txtName);

    Label2 =
        makeCaption(QStringLiteral("Label2"), QStringLiteral("Birth Day"), fraDetails, 180, 810);
    m_birthDate = std::make_unique<BirthDateEntry>(fraDetails, kuaBirthDateLayout());
    Label2->setBuddy(m_birthDate->cboDate());

    Label5 = makeCaption(QStringLiteral("Label5"), QStringLiteral("Sex"), fraDetails, 630, 1260);
    m_sexGroup = new QButtonGroup(this);
    m_sexGroup->setExclusive(true);
    const struct {
        const QString &caption;
        double left;
        double width;
    } sexes[] = {{kMale, 1080, 735}, {kFemale, 1950, 915}};
    for (int i = 0; i < 2; ++i) {
        optSex[i] = new QRadioButton(sexes[i].caption, fraDetails);
        optSex[i]->setObjectName(arrayName(QStringLiteral("optSex"), i));
        optSex[i]->setGeometry(twips::rect(sexes[i].left, 1260, sexes[i].width, 225));
        m_sexGroup->addButton(optSex[i], i);
    }
    Label5->setBuddy(optSex[0]);

    // Captions from the link table.
    Label14 = makeLink(QStringLiteral("Label14"), this, 75, 3390, 4830, 195);
    Label3 = makeLink(QStringLiteral("Label3"), this, 255, 3630, 4470, 195);

    cmdProceed = new QPushButton(QStringLiteral("Calculate My &Lo-Shu Square"), this);
    cmdProceed->setObjectName(QStringLiteral("cmdProceed"));
    cmdProceed->setGeometry(twips::rect(120, 3960, 4785, 375));
    connect(cmdProceed, &QPushButton::clicked, this, [this] { cmdProceed_Click(); });

    const QList<QWidget *> tabOrder = {txtName,
                                       m_birthDate->cboDate(),
                                       m_birthDate->cboMonth(),
                                       m_birthDate->cboYear(),
                                       optSex[0],
                                       optSex[1],
                                       cmdProceed};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);

    wireLinkLabels(this);
    shrinkToFit(Label14);
    shrinkToFit(Label3);
}

frmMainFengShuiLoShu::~frmMainFengShuiLoShu() = default;

void frmMainFengShuiLoShu::Form_Load()
{
    // The same lists and default date (1 January 1970) as the Kua number window.
    const BirthDateEntryLayout defaults = kuaBirthDateLayout();
    m_birthDate->select(defaults.dayPos, defaults.monthPos, defaults.yearPos);
    placeAsToolWindow();
}

void frmMainFengShuiLoShu::Form_Unload()
{
    setSplashPanelVisible(true);
}

bool frmMainFengShuiLoShu::ValidateInput()
{
    // A name of blanks is a name.
    if (txtName->text().isEmpty()) {
        MsgBox(QStringLiteral("Please Enter Your Name"), MsgButtons::Ok, MsgIcon::Critical);
        txtName->setFocus();
        return false;
    }
    if (!optSex[0]->isChecked() && !optSex[1]->isChecked()) {
        MsgBox(QStringLiteral("Please Specify Your Sex"), MsgButtons::Ok, MsgIcon::Critical);
        cmdProceed->setFocus();
        return false;
    }
    return m_birthDate->validate();
}

void frmMainFengShuiLoShu::cmdProceed_Click()
{
    if (!ValidateInput())
        return;

    FengShuiLoshuModule &module = modFengShuiLoshu();
    module.LoShuUserName = trimSpaces(txtName->text());
    module.LoShuUserSex = optSex[0]->isChecked() ? kMale : kFemale;
    module.LoShuBirthDay = trimSpaces(m_birthDate->dayText());
    module.LoShuBirthMonth = trimSpaces(m_birthDate->monthText());
    // The year is used as picked: January and February births are not moved
    // back a year here.
    module.LoShuBirthYear = trimSpaces(m_birthDate->yearText());
    module.LoShuBirthDate =
        module.LoShuBirthDay + u' ' + module.LoShuBirthMonth + u' ' + module.LoShuBirthYear;

    CalcLoShuGrid(module.LoShuBirthDay, module.LoShuBirthMonth, module.LoShuBirthYear);

    form<frmLoshu>().Show();
    FormRegistry::instance().unload(this);
    // Unloading showed the splash panel; the result window is open.
    setSplashPanelVisible(false);
}

} // namespace tessavo::loshu
