#include "floorplan/PlanNumbers.h"

#include <gtest/gtest.h>

using namespace tessavo::floorplan;

TEST(LeadingNumber, TakesTheLongestLeadingDecimal)
{
    // Blanks before the number are passed over, as a numeric answer may have
    // them; tabs and signs are not.
    const struct {
        const char *text;
        double value;
    } rows[] = {
        {"12.5.3", 12.5}, {"60", 60}, {"", 0},    {".", 0},    {".5", 0.5}, {"5.", 5},
        {"1.2.3", 1.2},   {"abc", 0}, {"7x", 7},  {" 12", 12}, {"-3", 0},   {"0.6", 0.6},
        {"10.5", 10.5},   {"..5", 0}, {"007", 7}, {" 1", 1},   {"  ", 0},   {" -1", 0},
        {"   .5 ", 0.5},  {"\t1", 0}, {"1 2", 1},
    };
    for (const auto &r : rows)
        EXPECT_DOUBLE_EQ(leadingNumber(QString::fromLatin1(r.text)), r.value) << r.text;
}

TEST(Numeric, WholeTextWithBlanksAroundIt)
{
    const struct {
        const char *text;
        bool numeric;
    } rows[] = {
        {"1", true},    {" 1 ", true},  {"-0.5", true}, {"2e1", true}, {"0.6", true},
        {"abc", false}, {"", false},    {" ", false},   {".", false},  {"1.2.3", false},
        {"1 2", false}, {"1x", false},  {".5", true},   {"+3", true},
    };
    for (const auto &r : rows)
        EXPECT_EQ(isNumeric(QString::fromLatin1(r.text)), r.numeric) << r.text;
}

TEST(PlotScale, SideOverSixAndItsCaption)
{
    const struct {
        const char *side;
        bool valid;
        const char *lengthCaption;
        const char *widthCaption;
    } rows[] = {
        {"60", true, "[Length Scale is 1 :10]", "[Width Scale is 1 :10]"},
        {"30", true, "[Length Scale is 1 :5]", "[Width Scale is 1 :5]"},
        {"100", true, "[Length Scale is 1 :16.6666666666667]",
         "[Width Scale is 1 :16.6666666666667]"},
        {" 45 ", true, "[Length Scale is 1 :7.5]", "[Width Scale is 1 :7.5]"},
        // Everything after divides by the scale, so these give none.
        {"0", false, "", ""},
        {" ", false, "", ""},
        {".", false, "", ""},
        {"1.2.3", false, "", ""},
        {"-6", false, "", ""},
    };
    for (const auto &r : rows) {
        const auto scale = plotScale(QString::fromLatin1(r.side));
        ASSERT_EQ(scale.has_value(), r.valid) << r.side;
        if (!scale)
            continue;
        EXPECT_EQ(lengthScaleCaption(*scale), QString::fromLatin1(r.lengthCaption));
        EXPECT_EQ(widthScaleCaption(*scale), QString::fromLatin1(r.widthCaption));
    }
}

TEST(PlotScale, FeetToTwipsAndBack)
{
    const struct {
        double feet;
        double scale;
        std::optional<double> twips;
    } rows[] = {
        {60, 10, 4800}, {30, 5, 4800}, {15, 10, 1200}, {10, 5, 1600}, {5, 5, 800},
        {2, 5, 320},    {0, 10, 0},    {1, 0, std::nullopt},          {1e300, 1e-300, std::nullopt},
    };
    for (const auto &r : rows) {
        const auto twips = feetToTwips(r.feet, r.scale);
        ASSERT_EQ(twips.has_value(), r.twips.has_value()) << r.feet << " / " << r.scale;
        if (!twips)
            continue;
        EXPECT_DOUBLE_EQ(*twips, *r.twips);
        EXPECT_DOUBLE_EQ(twipsToFeet(*twips, r.scale), r.feet);
    }
}

TEST(Rounding, HalfToEvenAndFifteenDigits)
{
    const struct {
        double value;
        double even;
    } rows[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {0.6, 1}, {1599.5, 1600}};
    for (const auto &r : rows)
        EXPECT_EQ(roundHalfEven(r.value), r.even) << r.value;
    // A limit like 10.000000000000002 compares as 10.
    EXPECT_EQ(round15(1605.0 / 800.0 * 5.0 - 0.03125 + 1e-15), 10.0);
    EXPECT_EQ(generalNumber(10.0), QStringLiteral("10"));
}
