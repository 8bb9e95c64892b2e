#pragma once

// The birth-date entry shared by the input windows of the chart tools: the
// contents of the day, month and year lists, the two checks run on the picked
// list positions, and the reading of the picked texts as a calendar date.
//
// The lists always show English month names, whatever the user's locale, and
// everything here reads them as such.

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace tessavo::birthdate {

// "1" .. "31": day d sits at position d - 1.
QStringList dayList();
// "January" .. "December": month m sits at position m - 1.
QStringList monthList();
// Consecutive years as decimal text, ascending, first..last inclusive
// (empty when last < first).
QStringList yearList(int first, int last);

// Calendar leap year: divisible by 4, centuries only when divisible by 400.
bool isLeapYear(int year);

enum class DateProblem {
    February,       // day 29 (outside leap years), 30 or 31 picked in February
    ThirtyDayMonth, // day 31 picked in April, June, September or November
};

// Runs the checks in order (February first) on list positions: dayPos 0..30,
// monthPos 0..11, and the year as a whole number. Returns the first failure,
// or nothing when the date may be used.
std::optional<DateProblem> checkDate(int dayPos, int monthPos, int year);

// The message box text for a failure, exactly as the user sees it. The two
// texts differ by a blank before the exclamation mark. Both are shown with
// the information icon and an OK button.
QString problemMessage(DateProblem problem);

// Month position 0..11 of an English month name (case-insensitive, blanks
// around it ignored), or nothing when it names no month.
std::optional<int> monthPosition(const QString &monthName);

// The date made of the picked texts, e.g. "1", "January", "1970" -> 1 Jan 1970.
// Nothing when a text is not a number / month name, or the day does not exist.
std::optional<QDate> dateFromEntries(const QString &dayText, const QString &monthName,
                                     const QString &yearText);

} // namespace tessavo::birthdate
