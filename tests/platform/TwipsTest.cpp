#include "platform/Twips.h"

#include <gtest/gtest.h>

using namespace tessavo;

TEST(Twips, ConvertsByResolution)
{
    struct Row {
        double dpi;
        double twips;
        int pixels;
    };
    const Row rows[] = {
        {96, 15, 1}, {96, 1440, 96}, {96, 8865, 591}, {120, 1440, 120}, {144, 15, 2}, {96, 0, 0},
    };
    for (const auto &r : rows) {
        twips::setDpi(r.dpi);
        EXPECT_EQ(twips::toPixels(r.twips), r.pixels) << r.dpi << " dpi, " << r.twips << " tw";
    }
    twips::setDpi(96);
    EXPECT_DOUBLE_EQ(twips::fromPixels(96), 1440.0);
    twips::setDpi(0);
}

TEST(Twips, CentringKeepsTheFraction)
{
    EXPECT_DOUBLE_EQ(twips::centredLeft(19200, 4981), 7109.5);
    EXPECT_DOUBLE_EQ(twips::centredLeft(1000, 2000), -500.0);
}
