#include "charts/BirthDate.h"

namespace tessavo::birthdate {

namespace {

constexpr int kFebruary = 1; // list position of February

bool isThirtyDayMonth(int monthPos)
{
    return monthPos == 3 || monthPos == 5 || monthPos == 8 || monthPos == 10;
}

std::optional<int> wholeNumber(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace

QStringList dayList()
{
    QStringList days;
    days.reserve(31);
    for (int d = 1; d <= 31; ++d)
        days << QString::number(d);
    return days;
}

QStringList monthList()
{
    // Written out rather than taken from QLocale: the lists are English
    // everywhere, and the date reading below depends on it.
    return {QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
            QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
            QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
            QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
}

QStringList yearList(int first, int last)
{
    QStringList years;
    for (int y = first; y <= last; ++y)
        years << QString::number(y);
    return years;
}

bool isLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

std::optional<DateProblem> checkDate(int dayPos, int monthPos, int year)
{
    if (monthPos == kFebruary) {
        const int lastDayPos = isLeapYear(year) ? 28 : 27;
        if (dayPos > lastDayPos)
            return DateProblem::February;
    }
    if (isThirtyDayMonth(monthPos) && dayPos == 30)
        return DateProblem::ThirtyDayMonth;
    return std::nullopt;
}

QString problemMessage(DateProblem problem)
{
    switch (problem) {
    case DateProblem::February:
        return QStringLiteral("Please Enter Correct Date Or Month!");
    case DateProblem::ThirtyDayMonth:
        return QStringLiteral("Please Enter Correct Date Or Month !");
    }
    return {};
}

std::optional<int> monthPosition(const QString &monthName)
{
    const QString name = monthName.trimmed();
    const QStringList months = monthList();
    for (int i = 0; i < months.size(); ++i) {
        if (months.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return std::nullopt;
}

std::optional<QDate> dateFromEntries(const QString &dayText, const QString &monthName,
                                     const QString &yearText)
{
    const auto day = wholeNumber(dayText);
    const auto month = monthPosition(monthName);
    const auto year = wholeNumber(yearText);
    if (!day || !month || !year)
        return std::nullopt;
    const QDate date(*year, *month + 1, *day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

} // namespace tessavo::birthdate
