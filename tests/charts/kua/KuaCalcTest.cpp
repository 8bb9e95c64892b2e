#include "charts/kua/KuaCalc.h"

#include <gtest/gtest.h>

#include <algorithm>
using namespace tessavo::kua;

namespace {

int closedFormKua(int d1, int d2, bool male)
{
    const int a = d1 + d2;
    const int b = a >= 10 ? a / 10 + a % 10 : a;
    if (male)
        return b == 0 ? 1 : 10 - b;
    return b <= 4 ? b + 5 : b - 4;
}

} // namespace

TEST(CalcKuaNumber, WorkedExamples)
{
    struct Row {
        const char *digits;
        int male;
        int female;
    };
    const Row rows[] = {{"69", 4, 2}, {"00", 1, 5}, {"99", 1, 5}, {"46", 9, 6}};
    for (const auto &r : rows) {
        EXPECT_EQ(CalcKuaNumber(QString::fromLatin1(r.digits), QStringLiteral("Male")), r.male)
            << r.digits;
        EXPECT_EQ(CalcKuaNumber(QString::fromLatin1(r.digits), QStringLiteral("Female")), r.female)
            << r.digits;
    }
}

TEST(CalcKuaNumber, EveryTwoDigitYearMatchesTheClosedForm)
{
    for (int d1 = 0; d1 <= 9; ++d1) {
        for (int d2 = 0; d2 <= 9; ++d2) {
            const QString digits = QString::number(d1) + QString::number(d2);
            EXPECT_EQ(CalcKuaNumber(digits, QStringLiteral("Male")), closedFormKua(d1, d2, true))
                << digits.toStdString();
            EXPECT_EQ(CalcKuaNumber(digits, QStringLiteral("Female")), closedFormKua(d1, d2, false))
                << digits.toStdString();
        }
    }
}

TEST(CalcKuaNumber, OddInputsNeverFail)
{
    // Only an exact "Male" takes the male rule; non-digits count 0.
    EXPECT_EQ(CalcKuaNumber(QStringLiteral("69"), QStringLiteral("male")), 2);
    EXPECT_EQ(CalcKuaNumber(QStringLiteral("x9"), QStringLiteral("Male")), 1);
    EXPECT_EQ(CalcKuaNumber(QString(), QStringLiteral("Male")), 1);
    EXPECT_EQ(CalcKuaNumber(QStringLiteral("7"), QStringLiteral("Male")), 5); // 7 + 7
}

TEST(KuaYear, JanuaryAndFebruaryCountAsTheYearBefore)
{
    struct Row {
        const char *month;
        const char *year;
        const char *shifted;
        const char *digits;
    };
    const Row rows[] = {
        {"January", "2000", "1999", "99"}, {"February", "1970", "1969", "69"},
        {"March", "2000", "2000", "00"},   {"December", "1946", "1946", "46"},
        {"January", "1900", "1899", "99"},
    };
    for (const auto &r : rows) {
        const QString shifted =
            shiftedBirthYear(QString::fromLatin1(r.month), QString::fromLatin1(r.year));
        EXPECT_EQ(shifted, QString::fromLatin1(r.shifted)) << r.month << ' ' << r.year;
        EXPECT_EQ(yearDigits(shifted), QString::fromLatin1(r.digits));
    }
}

TEST(KuaTable, GroupsHoldTheirGoodDirections)
{
    const QStringList east = {"North", "South", "East", "South East"};
    const QStringList west = {"West", "North West", "North East", "South West"};
    for (int kua = 1; kua <= 9; ++kua) {
        const KuaRow &row = kuaRow(kua);
        const QStringList &good = row.group == "East" ? east : west;
        ASSERT_TRUE(row.group == "East" || row.group == "West") << kua;
        QStringList all;
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(good.contains(row.directions[i]), i < 4) << "Kua " << kua << " slot " << i;
            all << row.directions[i];
        }
        all.removeDuplicates();
        EXPECT_EQ(all.size(), 8) << "Kua " << kua << " repeats a direction";
    }
    EXPECT_EQ(kuaRow(9).group, "East");
    EXPECT_EQ(kuaRow(6).colour, "Grey");
}

TEST(KuaTable, KuaFiveIsKunWithItsOwnColour)
{
    const KuaRow &five = kuaRow(5);
    const KuaRow &two = kuaRow(2);
    EXPECT_EQ(five.group, "West");
    EXPECT_EQ(five.element, "Earth");
    EXPECT_EQ(five.trigram, "Kun");
    EXPECT_EQ(five.colour, "Orange");
    EXPECT_EQ(five.directions, two.directions);
    EXPECT_EQ(two.colour, "Black");
}

TEST(KuaTable, NumbersOutsideTheTableGiveAnEmptyRow)
{
    for (int kua : {0, 10, -1, 32767}) {
        EXPECT_TRUE(kuaRow(kua).group.isEmpty()) << kua;
        EXPECT_TRUE(kuaRow(kua).directions[0].isEmpty()) << kua;
    }
}

TEST(KuaTable, EveryCaptionHasAPicture)
{
    for (int kua = 1; kua <= 9; ++kua) {
        const KuaRow &row = kuaRow(kua);
        EXPECT_TRUE(pictureIndex(PictureList::Elements, row.element)) << kua;
        EXPECT_TRUE(pictureIndex(PictureList::Colours, row.colour)) << kua;
        EXPECT_TRUE(pictureIndex(PictureList::Trigrams, row.trigram)) << kua;
    }
    EXPECT_EQ(pictureIndex(PictureList::Colours, "Off White"), 4);
    EXPECT_FALSE(pictureIndex(PictureList::Colours, "off white"));
    EXPECT_FALSE(pictureIndex(PictureList::Trigrams, "Water"));
}

TEST(DirectionColors, ListsAreKeptExactly)
{
    struct Row {
        const char *direction;
        const char *wear;
        const char *avoid;
    };
    const Row rows[] = {
        {"North", "Blue; Black; Purple; Metallic; White; Gold; Silver; Grey",
         "Yellow; Beige; Earth Tones; Green; Brown"},
        {"South", "Red; Maroon; Orange; Pink; Coral; Green; Brown",
         "Blue; Black; Purple; Yellow; Beige; Earth Tones"},
        {"South East", "Green; Brown; Blue; Black; Purple",
         "Metallic; White; Gold; Silver; Grey; Red; Maroon; Coral; Orange; Pink"},
        {"North East", "Beige; Yellow; Earth Tones; Red; Maroon; Coral; Pink; Orange",
         "Green; Brown; Metallic; Silver; Gold; Grey; White"},
        {"East", "Green; Brown Blue; Black; Purple",
         "Metallic; White; Gold; Silver; Grey; Red; Orange; Maroon; Pink; Coral"},
        {"West", "Metallic; White; Gold; Silver; Grey Beige; Yellow",
         "Red; Orange; Coral; Maroon; Pink Blue; Black; Purple"},
        {"South West", "Beige; Yellow; Earth Tones Red; Maroon; Coral; Pink; Orange",
         "Green; Brown; Metallic; Gold; Silver; Grey; White"},
        {"North West", "Metallic; White; Gold; Silver; Grey; Beige; Yellow; Earth Tones",
         "Reds; Coral; Orange; Pinks; Blue; Black; Purple"},
        {"north", "", ""},
        {"", "", ""},
    };
    for (const auto &r : rows) {
        const auto colours = directionColors(QString::fromLatin1(r.direction));
        EXPECT_EQ(colours[0], QString::fromLatin1(r.wear)) << r.direction;
        EXPECT_EQ(colours[1], QString::fromLatin1(r.avoid)) << r.direction;
    }
}

TEST(DirectionColors, LookUpOverwritesTheModuleData)
{
    GetDirectionColors("North");
    EXPECT_EQ(modFengShui().DirectionColors[0],
              "Blue; Black; Purple; Metallic; White; Gold; Silver; Grey");
    GetDirectionColors("Nowhere");
    EXPECT_TRUE(modFengShui().DirectionColors[0].isEmpty());
    EXPECT_TRUE(modFengShui().DirectionColors[1].isEmpty());
}

TEST(Compass, GoodDirectionsOfEveryKuaAreColouredInLegendOrder)
{
    const std::array<int, 4> legend = {11, 10, 13, 14};
    for (int kua = 1; kua <= 9; ++kua) {
        const auto &d = kuaRow(kua).directions;
        const auto cells = goodDirectionCellColours(d[0], d[1], d[2], d[3]);
        std::array<int, 9> expected;
        expected.fill(15);
        for (std::size_t slot = 0; slot < 4; ++slot) {
            const auto cell =
                std::find(compassCellNames().begin(), compassCellNames().end(), d[slot]);
            ASSERT_NE(cell, compassCellNames().end()) << kua;
            expected[static_cast<std::size_t>(cell - compassCellNames().begin())] = legend[slot];
        }
        EXPECT_EQ(cells, expected) << "Kua " << kua;
        EXPECT_EQ(cells[8], 15) << "the centre stays white";
    }
}

TEST(Compass, UnknownDirectionsColourNothing)
{
    const auto cells = goodDirectionCellColours("", "north", "Up", "");
    for (int c : cells)
        EXPECT_EQ(c, 15);
}

TEST(ElementTexts, SentencesKeepTheirEndings)
{
    struct Row {
        const char *element;
        const char *compatible;
        const char *notCompatible;
    };
    const Row rows[] = {
        {"Water", "Element Water is compatible with elements Tree and Metal.",
         "Element Water is not compatible with elements Fire and Soil"},
        {"Earth", "Element Earth is compatible with elements Fire and Metal.",
         "Element Earth is not compatible with elements Wood and Water."},
        {"Metal", "Element Metal is compatible with elements Water and Soil.",
         "Element Metal is not compatible with elements Fire and Wood.    "},
        {"Wood", "Element Wood is compatible with elements Water and Fire.",
         "Element Wood is not compatible with elements Fire and Tree."},
        {"Fire", "Element Fire is compatible with elements Wood and Soil.",
         "Element Fire is not compatible with elements Metal and Soil."},
    };
    for (const auto &r : rows) {
        const QString text = elementDescription(QString::fromLatin1(r.element));
        const QStringList parts = text.split("\r\n\r\n");
        ASSERT_EQ(parts.size(), 3) << r.element;
        EXPECT_FALSE(parts[0].trimmed().isEmpty()) << r.element;
        EXPECT_EQ(parts[1], QString::fromLatin1(r.compatible));
        EXPECT_EQ(parts[2], QString::fromLatin1(r.notCompatible));
    }
    EXPECT_FALSE(elementDescription("Water").endsWith('.'));
    EXPECT_TRUE(elementDescription("Metal").endsWith(".    "));
}

TEST(ElementTexts, UnknownElementGivesNothing)
{
    EXPECT_TRUE(elementDescription("").isEmpty());
    EXPECT_TRUE(elementDescription("water").isEmpty());
    EXPECT_EQ(modFengShui().ElementNames[4], "Fire");
    EXPECT_TRUE(modFengShui().ElementNames[5].isEmpty());
}
