#include "floorplan/BaguaCalc.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tessavo::floorplan;

namespace tessavo::floorplan {
// Readable boxes in failure messages.
void PrintTo(const ChartBox &b, std::ostream *os);
void PrintTo(const ChartBox &b, std::ostream *os)
{
    *os << "{L " << b.ChartLeft << " T " << b.ChartTop << " R " << b.ChartRight << " B "
        << b.ChartBottom << " W " << b.ChartWidth << " H " << b.ChartHeight << " rooms "
        << b.ChartLeftRoom << ',' << b.ChartTopRoom << ',' << b.ChartRightRoom << ','
        << b.ChartBottomRoom << '}';
}
} // namespace tessavo::floorplan

namespace {

const ChartElement kTemplate{QStringLiteral("Don't Delete Me and Keep My Top And Left position less "
                                            "then Zero"),
                             -480, -240, 1005, 795};

ChartElement room(const char *name, double left, double top, double width, double height)
{
    return {QString::fromLatin1(name), left, top, width, height};
}

ChartElement retired(const char *marker)
{
    return {QString::fromLatin1(marker), 4800, 4800, 0, 0};
}

struct ScanRow {
    const char *what;
    QList<ChartElement> plan; // elements 1 and up
    ChartBox expected; // the *Room fields of a box that starts at 0
};

} // namespace

TEST(ScanChartBox, RoomsToBox)
{
    const ScanRow rows[] = {
        {"a single room is the box",
         {room("KITCHEN", 800, 1600, 1600, 1600)},
         {800, 1600, 2400, 3200, 1600, 1600, 0, 0, 1, 1}},
        {"two rooms side by side",
         {room("A", 800, 800, 800, 1200), room("B", 1600, 400, 1200, 800)},
         {800, 400, 2800, 2000, 2000, 1600, 0, 2, 2, 1}},
        {"rooms inside the template's corner keep its right and bottom edges",
         {room("A", 0, 0, 300, 300), room("B", 300, 0, 150, 450)},
         {0, 0, 525, 555, 525, 555, 0, 0, 0, 0}},
        {"entrances and doors never widen the box",
         {room("A", 800, 800, 1600, 1600), {QStringLiteral("Main Entrance"), 400, 600, 3000, 0},
          {QStringLiteral("Back Entrance"), 700, 700, 0, 2400}, {QString(), 300, 300, 4000, 4000}},
         {800, 800, 2400, 2400, 1600, 1600, 0, 0, 1, 1}},
        {"element 1 seeds the left and top edges whatever its kind",
         {{QStringLiteral("Main Entrance"), 200, 300, 800, 0}, room("A", 800, 800, 1600, 1600)},
         {200, 300, 2400, 2400, 2200, 2100, 0, 0, 2, 2}},
        {"retired elements stay out while a live room remains",
         {room("A", 800, 800, 800, 800), retired("Hall"), retired("Deleted Door"), retired("a")},
         {800, 800, 1600, 1600, 800, 800, 0, 0, 1, 1}},
        {"a retired first element leads only until a live room is left of it",
         {retired("Hall"), room("A", 1600, 800, 800, 800)},
         {1600, 800, 2400, 1600, 800, 800, 2, 2, 2, 2}},
        {"a live room standing exactly on the retired line counts for left and top only",
         {room("A", 0, 0, 800, 800), room("B", 4800, 4800, 600, 600)},
         {0, 0, 800, 800, 800, 800, 0, 0, 1, 1}},
        {"the earliest element keeps a shared extreme",
         {room("A", 800, 800, 800, 800), room("B", 800, 1600, 800, 800),
          room("C", 0, 1600, 1600, 800)},
         {0, 800, 1600, 2400, 1600, 1600, 3, 0, 1, 2}},
        {"every room deleted: an inverted box from element 1 and the seeds",
         {retired("Hall"), retired("Deleted Door")},
         {4800, 4800, 525, 555, -4275, -4245, 0, 0, 0, 0}},
        {"edges round to the nearest twip, halves to the even one",
         {room("A", 800.5, 801.5, 1000.5, 1000.4), room("B", 700.5, 100.2, 10, 10)},
         {700, 100, 1801, 1802, 1101, 1702, 2, 2, 1, 1}},
        {"lefts are compared as real numbers against the stored edge",
         {room("A", 800.4, 800, 100, 100), room("B", 800.2, 799.6, 100, 100)},
         {800, 800, 900, 900, 100, 100, 0, 2, 2, 1}},
        {"beyond the 16-bit range the edges stop at its ends",
         {room("A", -40000, 0, 80000, 100)},
         {-32768, 0, 32767, 555, 32767, 555, 1, 0, 1, 0}},
    };
    for (const ScanRow &row : rows) {
        QList<ChartElement> txtRoom{kTemplate};
        txtRoom.append(row.plan);
        ChartBox got;
        ScanChartBox(got, txtRoom);
        EXPECT_EQ(got, row.expected) << row.what;
    }
}

TEST(ScanChartBox, ElementFieldsKeepEarlierValuesAndAnEmptyPlanChangesNothing)
{
    ChartBox earlier{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    ChartBox unchanged = earlier;
    ScanChartBox(unchanged, {kTemplate});
    EXPECT_EQ(unchanged, earlier);

    // No room lies beyond element 1's left and top: those fields keep what
    // the last chart left in them.
    ScanChartBox(earlier, {kTemplate, room("A", 800, 800, 800, 800)});
    EXPECT_EQ(earlier, (ChartBox{800, 800, 1600, 1600, 800, 800, 7, 8, 1, 1}));
}

TEST(StoredEdge, NearestEvenAndBounded)
{
    const struct {
        double in;
        int out;
    } rows[] = {{0.5, 0},          {1.5, 2},         {2.5, 2},       {-0.5, 0},
                {-1.5, -2},        {2.4999, 2},      {2.5001, 3},    {-32768.4, -32768},
                {1e9, 32767},      {-1e9, -32768},   {std::nan(""), 0}};
    for (const auto &r : rows)
        EXPECT_EQ(storedEdge(r.in), r.out) << r.in;
}

TEST(BaguaPartPlaces, ThreeRowsOfThreeThatTouch)
{
    const auto exact = [](double v) { return v; };
    // A box control keeps whole pixels: 15 twips each.
    const auto pixels = [](double v) { return std::round(v / 15.0) * 15.0; };
    struct Row {
        const char *what;
        ChartBox box;
        std::function<double(double)> settle;
        double w, h;
        std::array<double, 3> lefts, tops;
    };
    const Row rows[] = {
        {"thirds of a single room", {800, 1600, 2400, 3200, 1600, 1600, 0, 0, 0, 0}, exact,
         1600.0 / 3, 1600.0 / 3, {800, 800 + 1600.0 / 3, 800 + 3200.0 / 3},
         {1600, 1600 + 1600.0 / 3, 1600 + 3200.0 / 3}},
        {"on whole pixels each place builds on the settled one",
         {800, 1600, 2400, 3200, 1600, 1600, 0, 0, 0, 0}, pixels, 540, 540,
         {795, 1335, 1875}, {1605, 2145, 2685}},
        {"an inverted box gives parts of no size", {4800, 4800, 525, 555, -4275, -4245, 0, 0, 0, 0},
         exact, 0, 0, {4800, 4800, 4800}, {4800, 4800, 4800}},
    };
    for (const Row &row : rows) {
        const auto places = baguaPartPlaces(row.box, row.settle);
        for (int k = 0; k < 9; ++k) {
            const QRectF &p = places[static_cast<std::size_t>(k)];
            EXPECT_DOUBLE_EQ(p.left(), row.lefts[static_cast<std::size_t>(k % 3)]) << row.what << k;
            EXPECT_DOUBLE_EQ(p.top(), row.tops[static_cast<std::size_t>(k / 3)]) << row.what << k;
            EXPECT_DOUBLE_EQ(p.width(), row.w) << row.what << k;
            EXPECT_DOUBLE_EQ(p.height(), row.h) << row.what << k;
        }
    }
}

TEST(CountsAsRoom, KindsByExactText)
{
    const struct {
        const char *text;
        bool room;
    } rows[] = {{"KITCHEN", true},         {"", false},           {"Main Entrance", false},
                {"Back Entrance", false},  {"main entrance", true}, {"Main Entrance ", true},
                {"a", true},               {"Deleted Door", true}, {" ", true}};
    for (const auto &r : rows)
        EXPECT_EQ(countsAsRoom(QString::fromLatin1(r.text)), r.room) << r.text;
}
