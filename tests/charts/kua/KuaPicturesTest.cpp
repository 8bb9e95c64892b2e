#include "charts/kua/KuaPictures.h"

#include <gtest/gtest.h>

#include <vector>
using namespace tessavo::kua;

namespace {

// Rows (from the top) of a trigram picture that are covered by a line, and
// whether the middle of that line is drawn: a broken line has a gap there.
std::vector<bool> solidFromBottom(const QImage &image)
{
    std::vector<bool> lines;
    const int mid = image.width() / 2;
    const int left = image.width() / 4;
    bool inLine = false;
    for (int y = image.height() - 1; y >= 0; --y) {
        const bool covered = qAlpha(image.pixel(left, y)) > 200;
        if (covered && !inLine)
            lines.push_back(qAlpha(image.pixel(mid, y)) > 200);
        inLine = covered;
    }
    return lines;
}

} // namespace

TEST(KuaPictures, EveryKeyHasAPictureAndNoOtherDoes)
{
    int keys = 0;
    for (auto list : {PictureList::Elements, PictureList::Colours, PictureList::Trigrams}) {
        for (const QString &key : pictureKeys(list)) {
            const QImage image = kuaPicture(list, key, 48);
            EXPECT_FALSE(image.isNull()) << key.toStdString();
            EXPECT_EQ(image.size(), QSize(48, 48));
            ++keys;
        }
        EXPECT_TRUE(kuaPicture(list, "Unknown", 48).isNull());
        EXPECT_TRUE(kuaPicture(list, pictureKeys(list).first(), 0).isNull());
    }
    EXPECT_EQ(keys, 22);
    EXPECT_TRUE(kuaPicture(PictureList::Trigrams, "Water", 48).isNull());
}

TEST(KuaPictures, TrigramsReadFromTheBottomUp)
{
    struct Row {
        const char *trigram;
        std::vector<bool> solid; // bottom line first
    };
    const Row rows[] = {
        {"Chien", {true, true, true}},  {"Kun", {false, false, false}},
        {"Chen", {true, false, false}}, {"Kan", {false, true, false}},
        {"Ken", {false, false, true}},  {"Sun", {false, true, true}},
        {"Li", {true, false, true}},    {"Tui", {true, true, false}},
    };
    for (const auto &r : rows) {
        const QImage image = kuaPicture(PictureList::Trigrams, r.trigram, 64);
        EXPECT_EQ(solidFromBottom(image), r.solid) << r.trigram;
    }
}

TEST(KuaPictures, SwatchesShowTheirColour)
{
    const QImage red = kuaPicture(PictureList::Colours, "Red", 40);
    const QColor centre = red.pixelColor(20, 20);
    EXPECT_GT(centre.red(), 150);
    EXPECT_LT(centre.green(), 100);
    const QImage offWhite = kuaPicture(PictureList::Colours, "Off White", 40);
    const QColor light = offWhite.pixelColor(20, 20);
    EXPECT_GT(light.lightness(), 200);
    EXPECT_NE(light.rgb(), QColor(Qt::white).rgb());
}
