#include "charts/kua/frmMainFengShuiKuaNumber.h"

#include "charts/BirthDate.h"
#include "charts/PersonEntry.h"
#include "charts/kua/KuaCalc.h"
#include "charts/kua/frmFengShuiDetails.h"
#include "charts/kua/modFengShui.h"
#include "frame/HelpMenu.h"
#include "frame/MDI.h"
#include "frame/WindowParts.h"
#include "platform/Controls.h"
#include "platform/FormRegistry.h"
#include "platform/Twips.h"

#include <QGroupBox>
#include <QPushButton>

namespace tessavo::kua {

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

    fraDetails = makeFrame(QStringLiteral("fraDetails"), QStringLiteral("Your Details Please"),
                           this, 60, 540, 4845, 1695);

    DetailsFrame details = fillDetailsFrame(this, fraDetails);
    Label1 = details.Label1;
    txtName = details.txtName;
    Label2 = details.Label2;
    Label5 = details.Label5;
    optSex = details.optSex;

    cmdProceed = makeButton(QStringLiteral("cmdProceed"), QStringLiteral("&Proceed"), fraDetails,
                            twips::rect(3540, 1170, 1185, 375), [this] { cmdProceed_Click(); });
    finishDetailsFrame(details, cmdProceed);
    m_person = std::move(details.entry);

    wireLinkLabels(this);
}

frmMainFengShuiKuaNumber::~frmMainFengShuiKuaNumber() = default;

void frmMainFengShuiKuaNumber::Form_Load()
{
    const BirthDateEntryLayout defaults = kuaBirthDateLayout();
    m_person->birthDate().select(defaults.dayPos, defaults.monthPos, defaults.yearPos);
    placeAsToolWindow();
}

void frmMainFengShuiKuaNumber::Form_Unload()
{
    setSplashPanelVisible(true);
}

bool frmMainFengShuiKuaNumber::ValidateInput()
{
    return m_person->validate();
}

void frmMainFengShuiKuaNumber::cmdProceed_Click()
{
    if (!ValidateInput())
        return;

    FengShuiModule &module = modFengShui();
    module.KuaUserName = m_person->name();
    module.KuaUserSex = m_person->sex();
    module.KuaBirthDay = m_person->day();
    module.KuaBirthMonth = m_person->month();
    module.KuaBirthYear = m_person->year();
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
