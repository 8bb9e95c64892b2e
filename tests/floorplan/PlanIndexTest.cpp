// The plan's index of places: a drop and a repaint look only at the
// elements near them, and must find what a look at every element finds.

#include "floorplan/PlanRules.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <cmath>
#include <limits>

using namespace tessavo::floorplan;

namespace {

// The rule as stated: the first element, in index order from 1, that the
// room lies over, looking at every element.
std::optional<int> firstOverlapOfAll(const Plan &plan, int k)
{
    for (int i = 1; i <= plan.upperBound(); ++i) {
        if (elementHits(plan.at(k), plan.at(i)))
            return i;
    }
    return std::nullopt;
}

int add(Plan &plan, double left, double top, double width, double height)
{
    return *addElement(plan, QStringLiteral("ROOM"), left, top, width, height);
}

// Every element the rule can hit, in every way the index could lose one:
// a room exactly where another is hit, touching rooms, lines, elements of no
// size, tall narrow rooms whose last sample lies right of them, rooms far
// outside the plot box, rooms across the whole grid and large rooms.
Plan randomPlan(QRandomGenerator &random, int elements)
{
    Plan plan;
    const auto pick = [&random](int from, int to) {
        return from + static_cast<int>(random.bounded(to - from + 1));
    };
    for (int n = 0; n < elements; ++n) {
        const double pixel = 15;
        const double left = pick(-60, 380) * pixel;
        const double top = pick(-60, 380) * pixel;
        switch (pick(0, 11)) {
        case 0: // a line
            add(plan, left, top, pick(0, 1) * pick(1, 40) * pixel, 0);
            break;
        case 1: // no size: retired
            add(plan, 4800, 4800, 0, 0);
            break;
        case 2: // tall and narrow
            add(plan, left, top, pick(1, 4) * pixel, pick(40, 200) * pixel);
            break;
        case 3: // far away
            add(plan, left * 40, top * -30, pick(1, 40) * pixel, pick(1, 40) * pixel);
            break;
        case 4: // across the whole grid and beyond
            add(plan, -90000, top, 200000, pick(1, 3) * pixel);
            break;
        case 5: // over more of the plot than most
            add(plan, left, top, pick(100, 300) * pixel, pick(100, 300) * pixel);
            break;
        default:
            add(plan, left, top, pick(1, 40) * pixel, pick(1, 40) * pixel);
            break;
        }
    }
    return plan;
}

// Whether any two rooms of the plan meet, looking at every pair.
bool anyRoomsMeetOfAll(const Plan &plan)
{
    for (int a = 1; a <= plan.upperBound(); ++a) {
        for (int b = a + 1; b <= plan.upperBound(); ++b) {
            if (roomsMeet(plan.at(a), plan.at(b)))
                return true;
        }
    }
    return false;
}

// A plan no two of whose rooms meet, though many touch: a grid of rooms
// side by side in the plot, a column of rooms far right of the grid of
// buckets (they pile into one bucket at its edge), a room too large for the
// buckets, and what is never an overlap: a door and an entrance on a room,
// a deleted room's place inside one. Made in this order, or the reverse,
// which makes the large room before the others and the rooms last.
Plan touchingPlan(int columns, int pile, bool reversed = false)
{
    struct Element {
        QString text;
        double left, top, width, height;
    };
    std::vector<Element> elements;
    const QString room = QStringLiteral("ROOM");
    const double pitch = 4200.0 / columns;
    for (int n = 0; n < columns * columns; ++n)
        elements.push_back({room, n % columns * pitch, n / columns * pitch, pitch, pitch});
    for (int n = 0; n < pile; ++n)
        elements.push_back({room, 60000, 60000 + n * 150.0, 300, 150});
    elements.push_back({room, 4800, -3000, 3000, 3000});
    elements.push_back({QString(), 0, 0, 300, 300});
    elements.push_back({kMainEntranceText, 15, 15, 300, 300});
    elements.push_back({QStringLiteral("HALL"), pitch / 2, pitch / 2, 0, 0});
    if (reversed)
        std::reverse(elements.begin(), elements.end());
    Plan plan;
    for (const Element &e : elements)
        addElement(plan, e.text, e.left, e.top, e.width, e.height);
    return plan;
}

} // namespace

TEST(PlanIndex, DropFindsTheFirstHitAsALookAtEveryElementDoes)
{
    const struct {
        quint32 seed;
        int elements;
        int moves;
    } rows[] = {
        {1, 20, 40},
        {2, 200, 200},
        {3, 1500, 300},
        {4, 3000, 100},
    };
    for (const auto &r : rows) {
        QRandomGenerator random(r.seed);
        Plan plan = randomPlan(random, r.elements);
        int hits = 0;
        for (int m = 0; m < r.moves; ++m) {
            const int k = 1 + static_cast<int>(random.bounded(plan.upperBound()));
            // Half the drops land on another element's corner.
            if (m % 2 == 0) {
                const PlanElement &other =
                    plan.at(1 + static_cast<int>(random.bounded(plan.upperBound())));
                plan.setPosition(k, other.left + 15, other.top + 15);
            } else {
                plan.setPosition(k, (static_cast<int>(random.bounded(500)) - 60) * 15.0,
                                 (static_cast<int>(random.bounded(500)) - 60) * 15.0);
            }
            const std::optional<int> expected = firstOverlapOfAll(plan, k);
            ASSERT_EQ(firstOverlap(plan, k), expected) << "seed " << r.seed << " move " << m;
            hits += expected.has_value();
        }
        // The drops exercised both answers.
        EXPECT_GT(hits, 0) << r.seed;
        EXPECT_LT(hits, r.moves) << r.seed;
    }
}

// Save and Generate Bagua Chart judge the whole plan through the index: a
// room moved onto its neighbour's place, half over it, against its side
// or anywhere, in the grid, the pile or over the large room, is judged as
// a look at every pair judges it.
TEST(PlanIndex, TheWholePlanIsJudgedAsALookAtEveryPairJudgesIt)
{
    const struct {
        quint32 seed;
        int columns;
        int pile;
        int moves;
    } rows[] = {
        {1, 4, 3, 80},
        {2, 12, 40, 300},
        {3, 30, 200, 150},
    };
    for (const auto &r : rows) {
        for (const bool reversed : {false, true}) {
            QRandomGenerator random(r.seed);
            Plan plan = touchingPlan(r.columns, r.pile, reversed);
            ASSERT_FALSE(planHasOverlappingRooms(plan)) << r.seed;
            ASSERT_FALSE(anyRoomsMeetOfAll(plan)) << r.seed;
            const int rooms = r.columns * r.columns + r.pile + 1;
            const int first = reversed ? plan.upperBound() - rooms + 1 : 1;
            int meets = 0;
            for (int m = 0; m < r.moves; ++m) {
                const int k = first + static_cast<int>(random.bounded(rooms));
                const PlanElement was = plan.at(k);
                const PlanElement &other = plan.at(first + static_cast<int>(random.bounded(rooms)));
                switch (m % 4) {
                case 0:
                    plan.setPosition(k, other.left, other.top);
                    break;
                case 1:
                    plan.setPosition(k, other.left, other.top + other.height / 2);
                    break;
                case 2:
                    plan.setPosition(k, other.left + other.width, other.top);
                    break;
                default:
                    plan.setPosition(k, (static_cast<int>(random.bounded(500)) - 60) * 15.0,
                                     (static_cast<int>(random.bounded(500)) - 60) * 15.0);
                    break;
                }
                const bool expected = anyRoomsMeetOfAll(plan);
                ASSERT_EQ(planHasOverlappingRooms(plan), expected)
                    << "seed " << r.seed << " move " << m << (reversed ? ", reversed" : "");
                meets += expected;
                plan.setPosition(k, was.left, was.top);
            }
            EXPECT_GT(meets, 0) << r.seed;
            EXPECT_LT(meets, r.moves) << r.seed;
        }
    }
}

TEST(PlanIndex, TheFirstHitIsTheLowestIndexWhereverItLies)
{
    // Rooms stacked on one place, the room hit first made last but one, and
    // one room far right of the grid that the dropped room reaches.
    Plan plan;
    const int far = add(plan, 20000, 0, 1500, 1500);
    const int low = add(plan, 0, 0, 1500, 1500);
    const int high = add(plan, 0, 0, 1500, 1500);
    const int wide = add(plan, 600, 600, 40000, 600);
    EXPECT_EQ(firstOverlap(plan, wide), std::optional<int>(far));
    plan.setPosition(far, 60000, 0);
    EXPECT_EQ(firstOverlap(plan, wide), std::optional<int>(low));
    plan.setPosition(wide, 1500, 0); // touching: no overlap
    plan.setPosition(low, 1400, 10);
    EXPECT_EQ(firstOverlap(plan, high), std::optional<int>(low));
    plan.unloadLast();
    EXPECT_EQ(firstOverlap(plan, low), std::optional<int>(high));
}

TEST(PlanIndex, NearHoldsEveryElementInTheArea)
{
    QRandomGenerator random(7);
    Plan plan = randomPlan(random, 800);
    const TwipsArea areas[] = {
        {0, 0, 4800, 4800},       {600, 600, 615, 615},     {-5000, -5000, -4000, -4000},
        {4800, 4800, 4800, 4800}, {100000, 0, 200000, 100}, {1000, -50000, 1015, 50000},
    };
    for (const TwipsArea &area : areas) {
        const std::vector<int> near = plan.near(area);
        EXPECT_TRUE(std::is_sorted(near.begin(), near.end()));
        for (int i = 1; i <= plan.upperBound(); ++i) {
            const PlanElement &e = plan.at(i);
            const bool sized = e.width > 0 || e.height > 0;
            const bool meets = e.left <= area.right && e.left + e.width >= area.left &&
                               e.top <= area.bottom && e.top + e.height >= area.top;
            if (sized && meets) {
                EXPECT_TRUE(std::binary_search(near.begin(), near.end(), i))
                    << i << " in " << area.left << "," << area.top;
            }
        }
    }
    // An area no number can place finds every element with a size.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_GE(plan.near({nan, 0, 10, 10}).size(), plan.near({-1e9, -1e9, 1e9, 1e9}).size());
}

TEST(PlanIndex, FollowsLoadsUnloadsMovesAndResizesOfEveryValue)
{
    // Places and sizes from a pixel to the largest a plan can hold, either
    // sign; areas as small as a point and as large as everything.
    const double extremes[] = {0, 15, -15, 4800, 1e5, -1e5, 2e7, -2e7, 16777216, 1e30, -3e38, 3e38};
    for (quint32 seed = 1; seed <= 3; ++seed) {
        QRandomGenerator random(seed);
        const auto pick = [&random](int from, int to) {
            return from + static_cast<int>(random.bounded(to - from + 1));
        };
        const auto value = [&] {
            return pick(0, 3) == 0 ? extremes[pick(0, std::size(extremes) - 1)]
                                   : pick(-400, 800) * 15.0;
        };
        const auto size = [&] {
            return pick(0, 3) == 0 ? extremes[pick(0, std::size(extremes) - 1)]
                                   : pick(0, 60) * 15.0;
        };
        Plan plan;
        for (int step = 0; step < 400; ++step) {
            const int n = plan.upperBound();
            switch (pick(0, 9)) {
            case 0: // Save's clearing
                while (plan.upperBound() > 0)
                    plan.unloadLast();
                break;
            case 1:
            case 2:
                for (int k = pick(1, 5); k > 0 && plan.upperBound() > 0; --k)
                    plan.unloadLast();
                break;
            case 3:
            case 4:
                if (n > 0) {
                    plan.setPosition(pick(1, n), value(), value());
                    break;
                }
                [[fallthrough]];
            case 5:
                if (n > 0) {
                    plan.setGeometry(pick(1, n), value(), value(), size(), size());
                    break;
                }
                [[fallthrough]];
            default:
                for (int k = pick(1, 8); k > 0; --k)
                    add(plan, value(), value(), size(), size());
                break;
            }
            std::vector<TwipsArea> areas;
            for (int a = 0; a < 4; ++a) {
                const double left = value();
                const double top = value();
                areas.push_back({left, top, left + size(), top + size()});
            }
            areas.push_back({-3e38, -3e38, 3e38, 3e38});
            for (const TwipsArea &area : areas) {
                const std::vector<int> near = plan.near(area);
                ASSERT_TRUE(near.empty() || (near.front() >= 0 && near.back() <= plan.upperBound()))
                    << "an unloaded element, seed " << seed << " step " << step;
                for (int i = 1; i <= plan.upperBound(); ++i) {
                    const PlanElement &e = plan.at(i);
                    const double right = static_cast<double>(e.left) + e.width;
                    const double bottom = static_cast<double>(e.top) + e.height;
                    const bool meets = std::min<double>(e.left, right) <= area.right &&
                                       std::max<double>(e.left, right) >= area.left &&
                                       std::min<double>(e.top, bottom) <= area.bottom &&
                                       std::max<double>(e.top, bottom) >= area.top;
                    if (meets && (e.width != 0 || e.height != 0)) {
                        ASSERT_TRUE(std::binary_search(near.begin(), near.end(), i))
                            << i << " missed, seed " << seed << " step " << step;
                    }
                }
            }
        }
    }
}

TEST(Selection, TouchesOnlyTheElementsWhoseColourChanges)
{
    Plan plan;
    for (int n = 0; n < 50; ++n)
        add(plan, n * 150.0, 0, 150, 150);
    std::vector<int> changed;
    plan.setObserver([&changed](int index, Plan::Change change) {
        if (change == Plan::Change::Changed)
            changed.push_back(index);
    });
    GreatFengShuiModule module;
    BaguaEditorFields fields;
    // Elements already white, the template among them, are left alone.
    selectElement(plan, 7, module, fields);
    EXPECT_EQ(changed, std::vector<int>{7});
    changed.clear();
    selectElement(plan, 30, module, fields);
    EXPECT_EQ(changed, std::vector<int>({7, 30}));
    changed.clear();
    selectElement(plan, 30, module, fields);
    EXPECT_TRUE(changed.empty());
    EXPECT_EQ(plan.highlighted(), QList<int>{30});
}
