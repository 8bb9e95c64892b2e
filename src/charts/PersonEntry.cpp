#include "charts/PersonEntry.h"

#include "frame/WindowParts.h"
#include "platform/Controls.h"
#include "platform/OptionGroup.h"
#include "platform/Text.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace tessavo {

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

PersonEntry::PersonEntry(QLineEdit *nameBox, std::unique_ptr<BirthDateEntry> birthDate,
                         const NameCheck &nameCheck)
    : m_nameBox(nameBox), m_birthDate(std::move(birthDate)), m_nameCheck(nameCheck)
{
}

PersonEntry::~PersonEntry() = default;

void PersonEntry::setSexOptions(QObject *groupOwner, QRadioButton *male, QRadioButton *female)
{
    m_male = male;
    m_female = female;
    new OptionGroup({male, female}, groupOwner);
}

bool PersonEntry::validate() const
{
    const QString typed =
        m_nameCheck.blanksAreNoName ? trimSpaces(m_nameBox->text()) : m_nameBox->text();
    if (typed.isEmpty()) {
        MsgBox(m_nameCheck.message, MsgButtons::Ok, m_nameCheck.icon);
        m_nameBox->setFocus();
        return false;
    }
    if (m_male && !m_male->isChecked() && !m_female->isChecked()) {
        MsgBox(m_sexCheck.message, MsgButtons::Ok, MsgIcon::Critical);
        if (m_sexCheck.focus)
            m_sexCheck.focus->setFocus();
        return false;
    }
    return m_birthDate->validate();
}

QString PersonEntry::name() const
{
    return trimSpaces(m_nameBox->text());
}

QString PersonEntry::sex() const
{
    return m_male && m_male->isChecked() ? kMale : kFemale;
}

QString PersonEntry::day() const
{
    return trimSpaces(m_birthDate->dayText());
}

QString PersonEntry::month() const
{
    return trimSpaces(m_birthDate->monthText());
}

QString PersonEntry::year() const
{
    return trimSpaces(m_birthDate->yearText());
}

DetailsFrame fillDetailsFrame(QWidget *window, QGroupBox *fraDetails)
{
    DetailsFrame details;
    details.Label1 =
        makeCaption(QStringLiteral("Label1"), QStringLiteral("Name"), fraDetails, 480, 360);
    details.txtName = new QLineEdit(fraDetails);
    details.txtName->setObjectName(QStringLiteral("txtName"));
    details.txtName->setGeometry(twips::rect(1050, 270, 3705, 345));
    details.Label1->setBuddy(details.txtName);

    details.Label2 =
        makeCaption(QStringLiteral("Label2"), QStringLiteral("Birth Day"), fraDetails, 180, 810);
    auto birthDate = std::make_unique<BirthDateEntry>(fraDetails, kuaBirthDateLayout());
    details.Label2->setBuddy(birthDate->cboDate());
    birthDate->nameAfter(details.Label2->text());

    details.Label5 =
        makeCaption(QStringLiteral("Label5"), QStringLiteral("Sex"), fraDetails, 630, 1260);
    const struct {
        const QString &caption;
        double left;
        double width;
    } sexes[] = {{kMale, 1080, 735}, {kFemale, 1950, 915}};
    for (std::size_t i = 0; i < details.optSex.size(); ++i) {
        QRadioButton *option = new QRadioButton(sexes[i].caption, fraDetails);
        option->setObjectName(arrayName(QStringLiteral("optSex"), static_cast<int>(i)));
        option->setGeometry(twips::rect(sexes[i].left, 1260, sexes[i].width, 225));
        details.optSex[i] = option;
    }
    details.Label5->setBuddy(details.optSex[0]);

    details.entry = std::make_unique<PersonEntry>(
        details.txtName, std::move(birthDate),
        NameCheck{QStringLiteral("Please Enter Your Name"), MsgIcon::Critical, false});
    details.entry->setSexOptions(window, details.optSex[0], details.optSex[1]);
    return details;
}

void finishDetailsFrame(const DetailsFrame &details, QWidget *proceed)
{
    details.entry->setSexCheck({QStringLiteral("Please Specify Your Sex"), proceed});
    const BirthDateEntry &birthDate = details.entry->birthDate();
    setTabChain({details.txtName, birthDate.cboDate(), birthDate.cboMonth(), birthDate.cboYear(),
                 details.optSex[0], details.optSex[1], proceed});
}

} // namespace tessavo
