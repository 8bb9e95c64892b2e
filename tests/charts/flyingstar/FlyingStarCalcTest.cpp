#include "charts/flyingstar/FlyingStarCalc.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

using namespace tessavo::flyingstar;

namespace {

// Stars in palace order (centre, North West, West, North East, South, North,
// South West, East, South East) as one digit each: "567891234".
std::string text(const Stars &stars)
{
    std::string out;
    for (int star : stars)
        out += static_cast<char>('0' + star);
    return out;
}

} // namespace

TEST(FlyingStarPeriod, TwentyYearsAPeriodBothBoundsIncluded)
{
    struct Row {
        int year;
        std::optional<int> period;
    };
    // clang-format off
    const Row rows[] = {
        {1863, std::nullopt}, {1864, 1}, {1883, 1}, {1884, 2}, {1903, 2}, {1904, 3}, {1923, 3},
        {1924, 4}, {1943, 4}, {1944, 5}, {1950, 5}, {1963, 5}, {1964, 6}, {1983, 6}, {1984, 7},
        {2003, 7}, {2004, 8}, {2023, 8}, {2024, 9}, {2043, 9}, {2044, std::nullopt}, {0, std::nullopt},
    };
    // clang-format on
    for (const Row &row : rows) {
        EXPECT_EQ(periodOfYear(row.year), row.period) << row.year;

        // FindPeriod keeps the former period for a year no row holds.
        modFlyingStar() = FlyingStarModule{};
        modFlyingStar().PeriodNumber = 6;
        modFlyingStar().BuiltYear = static_cast<qint16>(row.year);
        FindPeriod();
        EXPECT_EQ(modFlyingStar().PeriodNumber, row.period.value_or(6)) << row.year;
        EXPECT_EQ(modFlyingStar().BuiltYear, row.year);
    }
}

TEST(FlyingStarSectors, TwentyFourSectorsOfFifteenDegreesClockwiseFromNorth)
{
    const QStringList &sectors = sectorList();
    ASSERT_EQ(sectors.size(), 24);
    const QStringList directions = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
    const QRegularExpression shape(R"(^([NESW]{1,2})([123]) (\d+(?:\.5)?)-(\d+(?:\.5)?)$)");
    double expectedStart = 337.5;
    for (int p = 0; p < sectors.size(); ++p) {
        const auto match = shape.match(sectors[p]);
        ASSERT_TRUE(match.hasMatch()) << sectors[p].toStdString();
        EXPECT_EQ(match.captured(1), directions[directionGroup(p)]) << p;
        EXPECT_EQ(match.captured(2).toInt(), subSector(p) + 1) << p;
        const double start = match.captured(3).toDouble();
        const double end = match.captured(4).toDouble();
        EXPECT_DOUBLE_EQ(start, expectedStart) << p;
        EXPECT_DOUBLE_EQ(std::fmod(start + 15, 360), end) << p;
        expectedStart = end;
    }
    EXPECT_EQ(sectors[0], "N1 337.5-352.5");
    EXPECT_EQ(sectors[1], "N2 352.5-7.5");
    EXPECT_EQ(sectors[23], "NW3 322.5-337.5");
}

TEST(FlyingStarChart, WorkedExamplesAndEdgeCases)
{
    struct Row {
        const char *what;
        int year;
        int sector;
        const char *period, *mountain, *facing;
    };
    // clang-format off
    const Row rows[] = {
        {"defaults: 1950, N1", 1950, 0, "567891234", "912345678", "123456789"},
        {"2004, S2: even mountain ascends, odd facing descends",
                               2004, 13, "891234567", "456789123", "321987654"},
        {"2004, S1 reverses both flights", 2004, 12, "891234567", "432198765", "345678912"},
        {"2004, S3 flies as S2",   2004, 14, "891234567", "456789123", "321987654"},
        {"2043, last year: period flight wraps after 9",
                               2043, 0, "912345678", "432198765", "567891234"},
        {"1870, N2: a mountain star 5 counts as odd", 1870, 1, "123456789", "543219876", "678912345"},
        {"1864, SW1",              1864, 15, "123456789", "432198765", "789123456"},
        {"1950, E2: both odd, both descend", 1950, 7, "567891234", "765432198", "321987654"},
        {"1990, NW3",              1990, 23, "789123456", "678912345", "891234567"},
    };
    // clang-format on
    for (const Row &row : rows) {
        const auto period = periodOfYear(row.year);
        ASSERT_TRUE(period) << row.what;
        const FlyingStarChart chart = chartFor(*period, row.sector);
        EXPECT_EQ(text(chart.periodStars), row.period) << row.what;
        EXPECT_EQ(text(chart.mountainStars), row.mountain) << row.what;
        EXPECT_EQ(text(chart.facingStars), row.facing) << row.what;
        // Each flight starts from the period star of its palace.
        EXPECT_EQ(chart.mountainBaseStar, chart.periodStars[chart.mountainPalace]) << row.what;
        EXPECT_EQ(chart.facingBaseStar, chart.periodStars[chart.facingPalace]) << row.what;
        EXPECT_EQ(chart.mountainBaseStar, row.mountain[0] - '0') << row.what;
        EXPECT_EQ(chart.facingBaseStar, row.facing[0] - '0') << row.what;
    }
}

TEST(FlyingStarChart, EverySectorFacesItsDirectionWithTheMountainOpposite)
{
    const char *const facing[] = {"North", "North East", "East", "South East",
                                  "South", "South West", "West", "North West"};
    for (int p = 0; p < 24; ++p) {
        const FlyingStarChart chart = chartFor(3, p);
        EXPECT_EQ(chart.facingDirection, facing[p / 3]) << p;
        EXPECT_EQ(chart.mountainDirection, facing[(p / 3 + 4) % 8]) << p;
        EXPECT_EQ(palaceName(chart.facingPalace), chart.facingDirection) << p;
        EXPECT_EQ(palaceName(chart.mountainPalace), chart.mountainDirection) << p;
    }
}
