#include "charts/kua/frmMainFengShuiKuaNumber.h"

#include "charts/BirthDate.h"
#include "charts/kua/KuaCalc.h"
#include "charts/kua/frmFengShuiDetails.h"
#include "charts/kua/modFengShui.h"
#include "frame/HelpMenu.h"
#include "frame/MDI.h"
#include "platform/Text.h"
#include "platform/Controls.h"
#include "platform/FormRegistry.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tessavo::kua {

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

} // namespace

frmMainFengShuiKuaNumber::frmMainFengShuiKuaNumber()
    : Form(QString::fromLatin1(kName), FormKind::Child)
{
    setCaption(QStringLiteral("Orlix Feng Shui Kua Number"));
    setClientSize(4980, 2265);
    setVerdana(this, 8.25);

    // The captions of the two links come from the link table.
    Label14 = makeLinkLabel(QStringLiteral("Label14"), QString(), this);
    Label14->setGeometry(twips::rect(375, 30, 4230, 240));
    Label14->setAlignment(Qt::AlignCenter);
    setForeground(Label14, Qt::blue);
    Label3 = makeLinkLabel(QStringLiteral("Label3"), QString(), this);
    Label3->setGeometry(twips::rect(495, 270, 3990, 240));
    Label3->setAlignment(Qt::AlignCenter);
    setForeground(Label3, Qt::blue);

    fraDetails = new QGroupBox(QStringLiteral("Your Details Please"), this);
    fraDetails->setObjectName(QStringLiteral("fraDetails"));
    fraDetails->setGeometry(twips::rect(60, 540, 4845, 1695));

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

    cmdProceed = new QPushButton(QStringLiteral("&Proceed"), fraDetails);
    cmdProceed->setObjectName(QStringLiteral("cmdProceed"));
    cmdProceed->setGeometry(twips::rect(3540, 1170, 1185, 375));
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
}

frmMainFengShuiKuaNumber::~frmMainFengShuiKuaNumber() = default;

void frmMainFengShuiKuaNumber::Form_Load()
{
    const BirthDateEntryLayout defaults = kuaBirthDateLayout();
    m_birthDate->select(defaults.dayPos, defaults.monthPos, defaults.yearPos);
    placeAsToolWindow();
}

void frmMainFengShuiKuaNumber::Form_Unload()
{
    setSplashPanelVisible(true);
}

bool frmMainFengShuiKuaNumber::ValidateInput()
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

void frmMainFengShuiKuaNumber::cmdProceed_Click()
{
    if (!ValidateInput())
        return;

    FengShuiModule &module = modFengShui();
    module.KuaUserName = trimSpaces(txtName->text());
    module.KuaUserSex = optSex[0]->isChecked() ? kMale : kFemale;
    module.KuaBirthDay = trimSpaces(m_birthDate->dayText());
    module.KuaBirthMonth = trimSpaces(m_birthDate->monthText());
    module.KuaBirthYear = trimSpaces(m_birthDate->yearText());
    // 29 February of a year the checks let through but the calendar lacks
    // keeps the previous date.
    if (const auto born = birthdate::dateFromEntries(module.KuaBirthDay, module.KuaBirthMonth,
                                                     module.KuaBirthYear))
        module.KuaBirthDate = *born;
    module.KuaBirthYear = shiftedBirthYear(module.KuaBirthMonth, module.KuaBirthYear);

    const int kua = CalcKuaNumber(yearDigits(module.KuaBirthYear), module.KuaUserSex);
    ShowKuaDetails(kua);
    ShowElementDescription();
    ShowKuaPictures();

    form<frmFengShuiDetails>().Show();
    FormRegistry::instance().unload(this);
    // Unloading showed the splash panel; the result window is open.
    setSplashPanelVisible(false);
}

} // namespace tessavo::kua
