#include "charts/loshu/frmMainFengShuiLoShu.h"

#include "charts/PersonEntry.h"
#include "charts/loshu/FitLabel.h"
#include "charts/loshu/LoShuCalc.h"
#include "charts/loshu/frmLoshu.h"
#include "charts/loshu/modFengShuiLoshu.h"
#include "frame/HelpMenu.h"
#include "frame/MDI.h"
#include "frame/WindowParts.h"
#include "platform/Controls.h"
#include "platform/FormRegistry.h"
#include "platform/Twips.h"

#include <QGroupBox>
#include <QPushButton>

namespace tessavo::loshu {

namespace {

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
    fraDetails = makeFrame(QStringLiteral("fraDetails"), QStringLiteral("Your Details Please"),
                           this, 60, 1620, 4845, 1695);

    DetailsFrame details = fillDetailsFrame(this, fraDetails);
    Label1 = details.Label1;
    txtName = details.txtName;
    Label2 = details.Label2;
    Label5 = details.Label5;
    optSex = details.optSex;

    // Captions from the link table.
    Label14 = makeLink(QStringLiteral("Label14"), this, 75, 3390, 4830, 195);
    Label3 = makeLink(QStringLiteral("Label3"), this, 255, 3630, 4470, 195);

    cmdProceed = makeButton(QStringLiteral("cmdProceed"),
                            QStringLiteral("Calculate My &Lo-Shu Square"), this,
                            twips::rect(120, 3960, 4785, 375), [this] { cmdProceed_Click(); });
    finishDetailsFrame(details, cmdProceed);
    m_person = std::move(details.entry);

    wireLinkLabels(this);
    shrinkToFit(Label14);
    shrinkToFit(Label3);
}

frmMainFengShuiLoShu::~frmMainFengShuiLoShu() = default;

void frmMainFengShuiLoShu::Form_Load()
{
    // The same lists and default date (1 January 1970) as the Kua number window.
    const BirthDateEntryLayout defaults = kuaBirthDateLayout();
    m_person->birthDate().select(defaults.dayPos, defaults.monthPos, defaults.yearPos);
    placeAsToolWindow();
}

void frmMainFengShuiLoShu::Form_Unload()
{
    setSplashPanelVisible(true);
}

bool frmMainFengShuiLoShu::ValidateInput()
{
    return m_person->validate();
}

void frmMainFengShuiLoShu::cmdProceed_Click()
{
    if (!ValidateInput())
        return;

    FengShuiLoshuModule &module = modFengShuiLoshu();
    module.LoShuUserName = m_person->name();
    module.LoShuUserSex = m_person->sex();
    module.LoShuBirthDay = m_person->day();
    module.LoShuBirthMonth = m_person->month();
    // The year is used as picked: January and February births are not moved
    // back a year here.
    module.LoShuBirthYear = m_person->year();
    module.LoShuBirthDate =
        module.LoShuBirthDay + u' ' + module.LoShuBirthMonth + u' ' + module.LoShuBirthYear;

    CalcLoShuGrid(module.LoShuBirthDay, module.LoShuBirthMonth, module.LoShuBirthYear);

    form<frmLoshu>().Show();
    FormRegistry::instance().unload(this);
    // Unloading showed the splash panel; the result window is open.
    setSplashPanelVisible(false);
}

} // namespace tessavo::loshu
