#include "charts/BirthDateEntry.h"

#include "charts/BirthDate.h"
#include "platform/InputNames.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QComboBox>

namespace tessavo {

namespace {

QComboBox *makeList(QWidget *parent, const char *name, const BirthDateEntryLayout::Box &box)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(false);
    combo->setGeometry(twips::rect(box.left, box.top, box.width, box.height));
    return combo;
}

} // namespace

BirthDateEntry::BirthDateEntry(QWidget *parent, const BirthDateEntryLayout &layout)
    : m_cboDate(makeList(parent, "cboDate", layout.day)),
      m_cboMonth(makeList(parent, "cboMonth", layout.month)),
      m_cboYear(makeList(parent, "cboYear", layout.year))
{
    m_cboDate->addItems(birthdate::dayList());
    m_cboMonth->addItems(birthdate::monthList());
    m_cboYear->addItems(birthdate::yearList(layout.firstYear, layout.lastYear));
    select(layout.dayPos, layout.monthPos, layout.yearPos);
}

int BirthDateEntry::dayPosition() const
{
    return m_cboDate->currentIndex();
}

int BirthDateEntry::monthPosition() const
{
    return m_cboMonth->currentIndex();
}

int BirthDateEntry::yearPosition() const
{
    return m_cboYear->currentIndex();
}

QString BirthDateEntry::dayText() const
{
    return m_cboDate->currentText();
}

QString BirthDateEntry::monthText() const
{
    return m_cboMonth->currentText();
}

QString BirthDateEntry::yearText() const
{
    return m_cboYear->currentText();
}

void BirthDateEntry::nameAfter(const QString &caption)
{
    nameAfterCaption(m_cboDate, caption, QStringLiteral("day"));
    nameAfterCaption(m_cboMonth, caption, QStringLiteral("month"));
    nameAfterCaption(m_cboYear, caption, QStringLiteral("year"));
}

void BirthDateEntry::select(int dayPos, int monthPos, int yearPos)
{
    m_cboDate->setCurrentIndex(dayPos);
    m_cboMonth->setCurrentIndex(monthPos);
    m_cboYear->setCurrentIndex(yearPos);
}

bool BirthDateEntry::validate() const
{
    const auto problem =
        birthdate::checkDate(dayPosition(), monthPosition(), yearText().trimmed().toInt());
    if (!problem)
        return true;
    MsgBox(birthdate::problemMessage(*problem), MsgButtons::Ok, MsgIcon::Information);
    return false;
}

std::optional<QDate> BirthDateEntry::date() const
{
    return birthdate::dateFromEntries(dayText(), monthText(), yearText());
}

BirthDateEntryLayout kuaBirthDateLayout()
{
    BirthDateEntryLayout layout;
    layout.day = {1050, 720, 645, 315};
    layout.month = {1755, 720, 1305, 315};
    layout.year = {3120, 720, 1095, 315};
    layout.firstYear = 1900;
    layout.lastYear = 2050;
    layout.dayPos = 0;
    layout.monthPos = 0;
    layout.yearPos = 70;
    return layout;
}

} // namespace tessavo
