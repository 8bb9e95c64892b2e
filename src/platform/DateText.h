#pragma once

// Dates as the user reads them.

#include <QDate>
#include <QLocale>
#include <QString>

namespace tessavo {

// The locale's short date format with the year always in four digits. The
// year lists reach from 1900 to 2050, so a two-digit year would show 1905
// and 2005 alike; the rest of the locale's format is kept.
QString fourDigitYearShortFormat(const QLocale &locale = QLocale());

// The date in that format, as every shown date of birth is written.
QString shortDateText(const QDate &date, const QLocale &locale = QLocale());

} // namespace tessavo
