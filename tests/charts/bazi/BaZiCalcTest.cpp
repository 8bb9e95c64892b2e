#include "charts/bazi/BaZiCalc.h"
#include "platform/SiteAddress.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QStringList>

using namespace tessavo;
using namespace tessavo::bazi;

namespace {

const QStringList kMonths = {"January", "February", "March",     "April",   "May",      "June",
                             "July",    "August",   "September", "October", "November", "December"};

QString pair(const Pillar &p)
{
    return p.stem + ' ' + p.branch;
}

int slotOf(const QString &pairText)
{
    for (int i = 0; i < 60; ++i) {
        if (jiaZiPair(i) == pairText)
            return i;
    }
    return -1;
}

// The whole calculation, each step fed by the one before, as the windows run
// it: year, month, day count, day and hour.
QStringList pillarsOf(int year, int month, int day, int hour, const QString &amPm)
{
    const Pillar y = yearPillar(year);
    const Pillar m = monthPillar(y.stem, kMonths[month - 1]).value_or(Pillar{});
    const int n = dayNumber(year, kMonths[month - 1], day, y.branch);
    const Pillar d = dayPillar(n);
    const Pillar h = hourPillar(hour, amPm, d.stem).value_or(Pillar{});
    return {pair(y), pair(m), QString::number(n), pair(d), pair(h)};
}

} // namespace

TEST(FourPillars, WorkedExamples)
{
    struct Row {
        int year, month, day, hour;
        const char *mark;
        QStringList pillars; // year, month, day count, day, hour
    };
    // A January follows on from the December before it; 11 o'clock opens the
    // "Wu" hour before noon and the next day's "Zi" hour before midnight.
    const Row rows[] = {
        {1924, 1, 1, 1, "AM", {"Jia Zi", "Yi Chou", "136", "Ji Mao", "Yi Chou"}},
        {1949, 10, 1, 11, "AM", {"Ji Chou", "Jia Xu", "541", "Jia Zi", "Geng Wu"}},
        {1975, 8, 15, 3, "PM", {"Yi Mao", "Jia Shen", "630", "Gui Si", "Geng Shen"}},
        {1984, 2, 29, 5, "AM", {"Jia Zi", "Bing Yin", "510", "Gui Si", "Yi Mao"}},
        {1993, 1, 5, 11, "PM", {"Gui You", "Gui Chou", "503", "Bing Xu", "Geng Zi"}},
        {1993, 12, 5, 7, "AM", {"Gui You", "Jia Zi", "837", "Geng Shen", "Geng Chen"}},
        {2000, 1, 1, 12, "PM", {"Geng Chen", "Ding Chou", "535", "Wu Wu", "Wu Wu"}},
        {2000, 3, 1, 9, "PM", {"Geng Chen", "Ji Mao", "595", "Wu Wu", "Gui Hai"}},
        {2050, 12, 31, 10, "PM", {"Geng Wu", "Wu Zi", "1162", "Yi You", "Ding Hai"}},
        {1983, 12, 31, 12, "AM", {"Gui Hai", "Jia Zi", "810", "Gui Si", "Ren Zi"}},
    };
    for (const Row &r : rows)
        EXPECT_EQ(pillarsOf(r.year, r.month, r.day, r.hour, r.mark), r.pillars)
            << r.year << '-' << r.month << '-' << r.day << ' ' << r.hour << r.mark;
}

TEST(FourPillars, EveryDayFallsWhereTheCalendarPutsIt)
{
    // Counted independently from the Julian day number: 1 January 1924 is
    // "Ji Mao", slot 15. Every leap day, 2000 included, must count.
    for (QDate date(1924, 1, 1); date <= QDate(2050, 12, 31); date = date.addDays(1)) {
        const int n = dayNumber(date.year(), kMonths[date.month() - 1], date.day(),
                                yearPillar(date.year()).branch);
        ASSERT_EQ(pair(dayPillar(n)), jiaZiPair(static_cast<int>((date.toJulianDay() + 49) % 60)))
            << date.toString(Qt::ISODate).toStdString();
    }
}

TEST(FourPillars, YearsAndMonthsFollowOneAnotherWithoutABreak)
{
    // The year changes on 1 January; the month after each December is the
    // next January, also where the cycle wraps ("Wu" and "Gui" years).
    QStringList before = pillarsOf(1924, 1, 1, 1, "AM");
    for (int i = 1; i < 127 * 12; ++i) {
        const QStringList now = pillarsOf(1924 + i / 12, i % 12 + 1, 1, 1, "AM");
        ASSERT_EQ(slotOf(now[1]), (slotOf(before[1]) + 1) % 60) << now[1].toStdString();
        ASSERT_EQ(slotOf(now[0]), (slotOf(before[0]) + (i % 12 == 0 ? 1 : 0)) % 60);
        before = now;
    }
    EXPECT_FALSE(monthPillar("Zi", "May").has_value());
    EXPECT_EQ(monthOffset("january"), 0) << "only the exact name counts";
}

TEST(FourPillars, HoursOfTheClockRunOnAcrossMidnight)
{
    struct Row {
        int hour;
        const char *mark;
        const char *pillar; // on a "Jia" day
    };
    const Row rows[] = {
        {12, "AM", "Jia Zi"},  {1, "AM", "Yi Chou"}, {2, "AM", "Yi Chou"}, {10, "AM", "Ji Si"},
        {11, "AM", "Geng Wu"}, {12, "PM", "Geng Wu"}, {1, "PM", "Xin Wei"}, {10, "PM", "Yi Hai"},
        {11, "PM", "Bing Zi"}, {11, "pm", "Bing Zi"},
    };
    for (const Row &r : rows)
        EXPECT_EQ(pair(*hourPillar(r.hour, r.mark, "Jia")), r.pillar) << r.hour << r.mark;
    EXPECT_FALSE(hourPillar(13, "AM", "Jia").has_value());
    EXPECT_FALSE(hourPillar(1, "AM", "Zi").has_value());

    // Whatever the day: 11 PM is the "Zi" hour that 12 AM of the next day
    // also is, and it follows 10 PM.
    for (std::size_t day = 0; day < 10; ++day) {
        const QString today = stems()[day];
        const QString tomorrow = stems()[(day + 1) % 10];
        const Pillar lateZi = *hourPillar(11, "PM", today);
        EXPECT_EQ(lateZi, *hourPillar(12, "AM", tomorrow)) << today.toStdString();
        EXPECT_EQ(slotOf(pair(lateZi)), (slotOf(pair(*hourPillar(10, "PM", today))) + 1) % 60);
    }
}

TEST(PillarElements, LinesPolaritiesAndParagraphs)
{
    struct Row {
        Pillar pillar;
        QStringList lines;
        QStringList polarities;
        QStringList headings; // of the interpretation paragraphs, in order
    };
    const Row rows[] = {
        {{"Bing", "Yin"},
         {"Fire [Bing]", "Tiger [Yin]", "Wood [Jia]", "Fire [Bing]", "Earth [Wu]"},
         {"", "", "Yang", "Yang", "Yang"},
         {"Yang Wood [Jia]", "Yang Fire [Bing]", "Yang Earth [Wu]"}},
        {{"Jia", "Zi"}, {"Wood [Jia]", "Rat [Zi]", "Water [Gui]", "", ""}, {"", "", "Yin", "", ""},
         {"Yin Water [Gui]"}},
        {{"Gui", "You"}, {"Water [Gui]", "Rooster [You]", "Metal [Xin]", "", ""},
         {"", "", "Yin", "", ""}, {"Yin Metal [Xin]"}},
        {{"Gui", "Si"},
         {"Water [Gui]", "Snake [Si]", "Fire [Bing]", "Earth [Wu]", "Metal [Geng]"},
         {"", "", "Yang", "Yang", "Yang"},
         {"Yang Fire [Bing]", "Yang Earth [Wu]", "Yang Metal [Geng]"}},
    };
    for (const Row &r : rows) {
        const PillarBreakdown b = pillarBreakdown(r.pillar);
        EXPECT_EQ(QStringList(b.lines.begin(), b.lines.end()), r.lines);
        EXPECT_EQ(QStringList(b.polarities.begin(), b.polarities.end()), r.polarities);
        QStringList headings;
        for (const QString &paragraph : interpretation(b).split("\r\n\r\n")) {
            headings << paragraph.section("\r\n", 0, 0);
            EXPECT_EQ(paragraph.count("\r\n"), 1) << "a heading line and its text";
        }
        EXPECT_EQ(headings, r.headings);
    }

    const auto &entries = elementEntries();
    EXPECT_EQ(entries[7].label, "Yin Metal [Xin]");
    EXPECT_EQ(interpretation(pillarBreakdown({"Jia", "Zi"})),
              "Yin Water [Gui]\r\nContrarily, Yin water is the lake water which is deep yet calm "
              "with strong undercurrents.");
    // Every pair of the cycle: one paragraph per hidden stem, at least one.
    for (int i = 0; i < 60; ++i) {
        const QString text = jiaZiPair(i);
        const auto b = pillarBreakdown({text.section(' ', 0, 0), text.section(' ', 1)});
        const auto hidden = std::count_if(b.lines.begin() + 2, b.lines.end(),
                                          [](const QString &line) { return !line.isEmpty(); });
        ASSERT_GE(hidden, 1) << text.toStdString();
        EXPECT_EQ(interpretation(b).count("\r\n\r\n"), hidden - 1) << text.toStdString();
    }
}

TEST(BaZiReport, BoldHeadingsThenLinesInterpretationAndCredit)
{
    std::array<PillarReport, 4> pillars;
    for (std::size_t p = 0; p < 4; ++p) {
        pillars[p] = {pillarPages()[p].heading, "About " + QString::number(p),
                      {"Line0", "", "Line2", "", ""}, "Text"};
    }
    pillars[3].interpretation.clear(); // no block and no credit line

    // The text as it lands, and the parts that land in bold.
    QString text;
    QStringList bold;
    bool boldOn = false;
    for (const ReportRun &run : baZiReportRuns(pillars)) {
        boldOn = run.bold.value_or(boldOn);
        if (boldOn)
            bold << run.text;
        text += run.text;
        EXPECT_EQ(run.paletteColour.value_or(3), 3) << "all of it in teal";
    }
    QString expected;
    for (std::size_t p = 0; p < 4; ++p) {
        expected += pillars[p].heading + "\r\nAbout " + QString::number(p) +
                    "\r\n\r\nLine0\r\nLine2\r\n";
        if (p < 3)
            expected += "\r\nInterpretation\r\nText\r\n\r\nReport Generated By " + kSiteAddress +
                        "\r\n\r\n";
    }
    EXPECT_EQ(text, expected);
    EXPECT_EQ(bold, (QStringList{"The Year Pillar\r\n", "The Month Pillar\r\n",
                                 "The Day Pillar\r\n", "The Hour Pillar\r\n"}));
}

TEST(EphemerisHour, HourLessFiveWithTheMinuteAsDecimals)
{
    const struct {
        int hour, minute;
        double expected;
    } rows[] = {{10, 30, 5.3}, {10, 5, 5.5}, {1, 30, -4.3}, {12, 59, 7.59}};
    for (const auto &r : rows)
        EXPECT_DOUBLE_EQ(ephemerisHour(r.hour, r.minute), r.expected) << r.hour << ':' << r.minute;
}
