#include "charts/loshu/LoShuCalc.h"
#include "platform/SiteAddress.h"

#include <gtest/gtest.h>

using namespace tessavo;
using namespace tessavo::loshu;

namespace {

struct GridCase {
    const char *day;
    const char *month;
    const char *year;
    const char *digits;
    std::array<int, 5> counts;   // Water, Earth, Wood, Metal, Fire
    std::array<bool, 5> missing; // Water, Earth, Wood, Metal, Fire
    std::array<const char *, 9> repeats;
};

constexpr bool y = true;
constexpr bool n = false;

// clang-format off
const GridCase kCases[] = {
    {"12", "January", "1990", "1211990", {3, 1, 0, 0, 2}, {n, y, y, y, n},
     {"111", "2", "", "", "", "", "", "", "99"}},
    {"7", "March", "1985", "731985", {1, 2, 1, 1, 1}, {n, n, n, n, n},
     {"1", "", "3", "", "5", "", "7", "8", "9"}},
    {"21", "December", "1999", "21121999", {3, 2, 0, 0, 3}, {n, n, y, y, n},
     {"111", "22", "", "", "", "", "", "", "999"}},
    {"31", "December", "1999", "31121999", {3, 1, 1, 0, 3}, {n, y, n, y, n},
     {"111", "2", "3", "", "", "", "", "", "999"}},
    // No 9: Fire is missing; 0 counts nowhere.
    {"10", "October", "2000", "10102000", {2, 1, 0, 0, 0}, {n, y, y, y, y},
     {"11", "2", "", "", "", "", "", "", ""}},
    {"30", "November", "1900", "30111900", {3, 0, 1, 0, 1}, {n, y, n, y, n},
     {"111", "", "3", "", "", "", "", "", "9"}},
    // Two Earth digits are enough.
    {"5", "August", "1967", "581967", {1, 2, 0, 2, 1}, {n, n, y, n, n},
     {"1", "", "", "", "5", "6", "7", "8", "9"}},
    {"29", "February", "1904", "2921904", {1, 2, 1, 0, 2}, {n, n, n, y, n},
     {"1", "22", "", "4", "", "", "", "", "99"}},
    // A month name matched only exactly adds no digit.
    {"4", "april", "2046", "42046", {0, 1, 2, 1, 0}, {y, y, n, n, y},
     {"", "2", "", "44", "", "6", "", "", ""}},
    {"", "", "", "", {0, 0, 0, 0, 0}, {y, y, y, y, y},
     {"", "", "", "", "", "", "", "", ""}},
};
// clang-format on

std::string label(const GridCase &c)
{
    return std::string(c.day) + ' ' + c.month + ' ' + c.year;
}

} // namespace

TEST(LoShuGrid, DigitsCountsRepeatsAndMissingElements)
{
    for (const GridCase &c : kCases) {
        // What an earlier calculation left must not show through.
        calculateLoShu("9", "September", "1999");
        calculateLoShu(c.day, c.month, c.year);
        const FengShuiLoshuModule &m = modFengShuiLoshu();
        EXPECT_EQ(loShuDigits(c.day, c.month, c.year), c.digits) << label(c);
        EXPECT_EQ(m.LoShuDigits, c.digits) << label(c);
        for (std::size_t e = 0; e < 5; ++e) {
            EXPECT_EQ(m.LoShuElementCount[e], c.counts[e]) << label(c) << " element " << e;
            EXPECT_EQ(m.LoShuElementMissing[e], c.missing[e]) << label(c) << " element " << e;
        }
        for (std::size_t d = 0; d < 9; ++d) {
            EXPECT_EQ(m.LoShuDigitRepeats[d], c.repeats[d]) << label(c) << " digit " << d + 1;
            EXPECT_EQ(gridCaption(static_cast<int>(d)),
                      "[" + QString::number(d + 1) + "]\n" + c.repeats[d])
                << label(c);
        }
        EXPECT_EQ(m.LoShuDigitRepeats[9], "") << label(c);
    }
}

TEST(LoShuGrid, RemediesAndSpareEntries)
{
    FengShuiLoshuModule &m = modFengShuiLoshu();
    m = FengShuiLoshuModule{};
    m.LoShuElementCount[5] = 7;
    calculateLoShu("1", "January", "1970");
    EXPECT_EQ(m.LoShuMonthNames[11], "December");
    const qsizetype lines[] = {4, 5, 5, 4, 4}; // numbered, CR LF between, none after
    for (std::size_t e = 0; e < 5; ++e) {
        const QStringList split = m.LoShuRemedies[e].split("\r\n");
        EXPECT_EQ(split.size(), lines[e]) << m.LoShuElementNames[e].toStdString();
        EXPECT_TRUE(split.last().startsWith(QString::number(lines[e]) + "."));
    }
    EXPECT_TRUE(m.LoShuRemedies[Metal].endsWith("made of gold solver, bronze or copper in the West "
                                                "or North West."));
    EXPECT_EQ(m.LoShuMonthNames[12] + m.LoShuElementNames[5] + m.LoShuRemedies[5], "");
    EXPECT_EQ(m.LoShuElementCount[5], 7) << "the spare entry is not touched";
}

TEST(LoShuGrid, RemedyLinesAreKeptExactly)
{
    const std::array<QStringList, 5> lines = {{
        {"1.Keep water filled bowl in the East or North East direction.",
         "2.You can also keep a water fish aquarium.", "3.Give water to the thirsty people.",
         "4.A fountain or swimming pool in the North too will serve the purpose."},
        {"1.Use a square or rectangular wooden dining table.",
         "2.Move your bedroom or office to the South Western corner of your house.",
         "3.Keep a greenstone pyramid in South West for strength and consistency.",
         "4.Hang pictures of mountain on your South sidewall.",
         "5.Hang a yellow bulb in the Center of the room."},
        {"1.Keep musical chimes at the entrance of the house.",
         "2.Keep the North Eastern side of your home clean and tidy.",
         "3.Place a green light in the East and South East direction.",
         "4.Place a picture of some greenery in the East and South East direction.",
         "5.Place small flowering plants in the East and North East directions."},
        {"1.Wear some gold jewellery on your right hand.",
         "2.Hang a golden yellow wind chime in the West, North West or North.",
         "3.Keep an energized yellow pyramid.",
         "4.Keep metal sculptures made of gold solver, bronze or copper in the West or North "
         "West."},
        {"1.Keep a red lamp in the South East corner of your home.",
         "2.Keep a flowering plant in your sitting room.",
         "3.Keep an oven in the South East direction.", "4.Keep an energized red pyramid."},
    }};
    calculateLoShu("1", "January", "1970");
    for (int e = Water; e <= Fire; ++e) {
        const QString expected = lines[static_cast<std::size_t>(e)].join("\r\n");
        EXPECT_EQ(remedyText(e), expected) << e;
        EXPECT_EQ(modFengShuiLoshu().LoShuRemedies[static_cast<std::size_t>(e)], expected) << e;
    }
}

TEST(LoShuGrid, TheCellsFormTheMagicSquare)
{
    // Digit of each cell, row by row from the top left, South at the top.
    const int expected[] = {4, 9, 2, 3, 5, 7, 8, 1, 6};
    const auto &cells = gridLabelByCell();
    for (std::size_t i = 0; i < 9; ++i)
        EXPECT_EQ(cells[i] + 1, expected[i]) << "cell " << i;
}

TEST(LoShuReport, NineRunsOfCaptionValueAndCreditLine)
{
    const QString credit = "Report Generated By " + kSiteAddress + "\r\n\r\n";
    const QString missing = "Missing Element: Earth\r\n\r\nRemedial Measures: \r\n1.x";
    for (const QString &name : {QString("Ann Lee"), QString()}) {
        const ReportRuns runs = loShuReportRuns(name, "12 January 1990", missing);
        const ReportRun expected[] = {
            {true, 5, "Name: "},
            {false, 0, name + "\r\n\r\n"},
            {false, 0, credit},
            {true, 5, "Date of Birth: "},
            {false, 0, "12 January 1990\r\n\r\n"},
            {false, 0, credit},
            {true, 5, "Missing Element(s): \r\n"},
            {false, 0, missing},
            {false, 0, credit},
        };
        ASSERT_EQ(runs.size(), 9);
        for (qsizetype i = 0; i < 9; ++i) {
            EXPECT_EQ(runs[i].bold, expected[i].bold) << i;
            EXPECT_EQ(runs[i].paletteColour, expected[i].paletteColour) << i;
            EXPECT_EQ(runs[i].text, expected[i].text) << i;
        }
    }
}
