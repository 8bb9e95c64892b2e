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

TEST(PillarElements, EveryBranchWithItsAnimalAndHiddenStems)
{
    // Each hidden element as polarity and line: the line names the stem of
    // that polarity and element.
    struct Row {
        const char *branch;
        const char *animal;
        std::array<const char *, 3> hidden;
    };
    // clang-format off
    const Row rows[] = {
        {"Zi",   "Rat [Zi]",      {"Yin Water [Gui]",   "",                 ""}},
        {"Chou", "Ox [Chou]",     {"Yin Earth [Ji]",    "Yin Water [Gui]",  "Yin Metal [Xin]"}},
        {"Yin",  "Tiger [Yin]",   {"Yang Wood [Jia]",   "Yang Fire [Bing]", "Yang Earth [Wu]"}},
        {"Mao",  "Rabbit [Mao]",  {"Yin Wood [Yi]",     "",                 ""}},
        {"Chen", "Dragon [Chen]", {"Yang Earth [Wu]",   "Yin Wood [Yi]",    "Yin Water [Gui]"}},
        {"Si",   "Snake [Si]",    {"Yang Fire [Bing]",  "Yang Earth [Wu]",  "Yang Metal [Geng]"}},
        {"Wu",   "Horse [Wu]",    {"Yin Fire [Ding]",   "Yin Earth [Ji]",   ""}},
        {"Wei",  "Sheep [Wei]",   {"Yin Earth [Ji]",    "Yin Fire [Ding]",  "Yin Wood [Yi]"}},
        {"Shen", "Monkey [Shen]", {"Yang Metal [Geng]", "Yang Water [Ren]", "Yang Earth [Wu]"}},
        {"You",  "Rooster [You]", {"Yin Metal [Xin]",   "",                 ""}},
        {"Xu",   "Dog [Xu]",      {"Yang Earth [Wu]",   "Yin Metal [Xin]",  "Yin Fire [Ding]"}},
        {"Hai",  "Pig [Hai]",     {"Yang Water [Ren]",  "Yang Wood [Jia]",  ""}},
    };
    // clang-format on
    for (const Row &r : rows) {
        const PillarBreakdown b = pillarBreakdown({"Ren", r.branch});
        EXPECT_EQ(b.lines[0], "Water [Ren]") << r.branch;
        EXPECT_EQ(b.lines[1], r.animal) << r.branch;
        EXPECT_EQ(b.polarities[0] + b.polarities[1], "") << r.branch;
        for (std::size_t h = 0; h < 3; ++h) {
            const QString hidden = QString::fromLatin1(r.hidden[h]);
            EXPECT_EQ(b.polarities[h + 2], hidden.section(' ', 0, 0)) << r.branch << ' ' << h + 1;
            EXPECT_EQ(b.lines[h + 2], hidden.section(' ', 1)) << r.branch << ' ' << h + 1;
        }
    }
}

TEST(PillarElements, InterpretationEntriesInStemOrder)
{
    // Entries 1, 4 and 5 have a wording of their own; the others are fixed.
    const char *const labels[] = {"Yang Wood [Jia]",   "Yin Wood [Yi]",   "Yang Fire [Bing]",
                                  "Yin Fire [Ding]",   "Yang Earth [Wu]", "Yin Earth [Ji]",
                                  "Yang Metal [Geng]", "Yin Metal [Xin]", "Yang Water [Ren]",
                                  "Yin Water [Gui]"};
    const std::pair<std::size_t, const char *> texts[] = {
        {0, "It is like a tree which is upward growing and is tall, sturdy and stubborn by "
            "natures."},
        {2, "Yang fire is a forest fire which is hot and burns non-stop."},
        {3, "Yin fire is the furnace fire which is hot by nature but burns slowly and imparts "
            "heat without scorching the surrounding."},
        {6, "Yang metal is a sharpened outward piercing metal. By nature they are intelligent, "
            "strong, aggressive and ever curious."},
        {7, "Unlike the yang metal, the Yin metal is inward looking and by nature they are wise, "
            "powerful and beautiful."},
        {8, "Yang water is referred to as the Ocean water which is deep and produces tremendous "
            "and huge waves."},
        {9, "Contrarily, Yin water is the lake water which is deep yet calm with strong "
            "undercurrents."},
    };
    const auto &entries = elementEntries();
    for (std::size_t j = 0; j < 10; ++j) {
        EXPECT_EQ(entries[j].label, labels[j]) << j;
        EXPECT_FALSE(entries[j].text.isEmpty()) << j;
    }
    for (const auto &[j, text] : texts)
        EXPECT_EQ(entries[j].text, text) << labels[j];
    // Their own wording still says what they say, in so many sentences.
    const struct {
        std::size_t entry;
        QStringList words;
        qsizetype sentences;
    } own[] = {
        {1,
         {"grass", "shrubs", "opposite", "yang wood", "graceful", "strong", "bend", "breaking"},
         3},
        {4, {"hard", "crusty", "desert", "scorched", "without rain"}, 2},
        {5, {"rich", "soft", "loamy", "garden soil", "growing food"}, 2},
    };
    for (const auto &o : own) {
        for (const QString &word : o.words)
            EXPECT_TRUE(entries[o.entry].text.contains(word, Qt::CaseInsensitive))
                << labels[o.entry] << ": " << word.toStdString();
        EXPECT_EQ(entries[o.entry].text.count(u'.'), o.sentences) << labels[o.entry];
    }

    // As a pillar shows them: "Geng Shen" hides Geng, Ren and Wu, and its own
    // stem brings no paragraph of its own.
    EXPECT_EQ(interpretation(pillarBreakdown({"Geng", "Shen"})),
              QString("Yang Metal [Geng]\r\n") + texts[3].second + "\r\n\r\nYang Water [Ren]\r\n" +
                  texts[5].second + "\r\n\r\nYang Earth [Wu]\r\n" + entries[4].text);
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
