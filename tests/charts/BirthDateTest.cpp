#include "charts/BirthDate.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace tessavo::birthdate;

namespace {

const QString kFebruaryMessage = QStringLiteral("Please Enter Correct Date Or Month!");
const QString kThirtyDayMessage = QStringLiteral("Please Enter Correct Date Or Month !");

} // namespace

TEST(BirthDateLists, Contents)
{
    const QStringList days = dayList();
    ASSERT_EQ(days.size(), 31);
    EXPECT_EQ(days.first(), "1");
    EXPECT_EQ(days.last(), "31");
    const QStringList months = monthList();
    ASSERT_EQ(months.size(), 12);
    EXPECT_EQ(months[1], "February");
    EXPECT_EQ(months[8], "September");
    const QStringList years = yearList(1900, 2050);
    ASSERT_EQ(years.size(), 151);
    EXPECT_EQ(years[70], "1970");
    EXPECT_TRUE(yearList(2000, 1999).isEmpty());
}

TEST(BirthDateChecks, FirstFailureGivesItsMessage)
{
    struct Row {
        int day;
        int month; // 1..12
        int year;
        QString message; // empty: the date passes
    };
    const Row rows[] = {
        {29, 2, 1904, {}},
        {29, 2, 1901, kFebruaryMessage},
        {29, 2, 1900, kFebruaryMessage}, // a century not divisible by 400
        {29, 2, 2000, {}},
        {28, 2, 1901, {}},
        {30, 2, 1904, kFebruaryMessage},
        {31, 2, 1904, kFebruaryMessage}, // never the thirty-day message
        {31, 4, 1970, kThirtyDayMessage},
        {31, 6, 1970, kThirtyDayMessage},
        {31, 9, 1970, kThirtyDayMessage},
        {31, 11, 1970, kThirtyDayMessage},
        {30, 4, 1970, {}},
        {31, 1, 1970, {}},
        {31, 12, 2050, {}},
    };
    for (const auto &r : rows) {
        const auto problem = checkDate(r.day - 1, r.month - 1, r.year);
        const QString shown = problem ? problemMessage(*problem) : QString();
        EXPECT_EQ(shown, r.message) << r.day << '/' << r.month << '/' << r.year;
    }
}

TEST(BirthDateChecks, EveryDateThatPassesIsACalendarDate)
{
    for (int year : {1900, 1901, 1904, 2000, 2023}) {
        for (int m = 0; m < 12; ++m) {
            for (int d = 0; d < 31; ++d) {
                const bool passes = !checkDate(d, m, year);
                EXPECT_EQ(passes, QDate(year, m + 1, d + 1).isValid())
                    << d + 1 << '/' << m + 1 << '/' << year;
            }
        }
    }
}

TEST(BirthDateEntries, ReadEnglishMonthsWhateverTheLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(dateFromEntries("1", "January", "1970"), QDate(1970, 1, 1));
    EXPECT_EQ(dateFromEntries("29", "February", "2000"), QDate(2000, 2, 29));
    EXPECT_EQ(dateFromEntries(" 31 ", "December ", " 2050"), QDate(2050, 12, 31));
    EXPECT_FALSE(dateFromEntries("29", "February", "1900"));
    EXPECT_FALSE(dateFromEntries("1", "Januar", "1970"));
    EXPECT_FALSE(dateFromEntries("", "March", "1970"));
    QLocale::setDefault(before);
}
