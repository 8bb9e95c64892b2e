#include "floorplan/PlanRules.h"

#include "floorplan/PlanNumbers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <queue>
#include <vector>

namespace tessavo::floorplan {

namespace {

constexpr double kRetiredPlace = 4800.0;

void retireCommon(Plan &plan, int index)
{
    plan.setBackColor(index, retiredColour());
    plan.setEnabled(index, false);
    plan.setGeometry(index, kRetiredPlace, kRetiredPlace, 0, 0);
}

bool strictlyInside(double value, double low, double high)
{
    return low < value && value < high;
}

double wholeTwips(double value)
{
    return roundHalfEven(value);
}

// An element's edges as the rules compare them: every rule compares places
// in whole twips, rounded alike. A pixel is a whole number of twips at few
// resolutions (15 at 96 dpi, 13.09 at 110), and two edges made on the same
// pixel, one a place and the other a place plus a size, differ by a
// fraction until both are rounded. The sums are those the plan's index
// holds an element by.
TwipsArea wholeEdges(const PlanElement &e)
{
    return {wholeTwips(e.left), wholeTwips(e.top),
            wholeTwips(static_cast<double>(e.left) + e.width),
            wholeTwips(static_cast<double>(e.top) + e.height)};
}

} // namespace

std::optional<int> addElement(Plan &plan, const QString &text, double left, double top,
                              double width, double height)
{
    const std::optional<int> index = plan.loadNext();
    if (!index)
        return std::nullopt;
    plan.setGeometry(*index, left, top, width, height);
    plan.setBorderStyle(*index, 1);
    plan.setVisible(*index, true);
    plan.setText(*index, text);
    plan.bringToFront(*index);
    return index;
}

void retireRoom(Plan &plan, int index)
{
    retireCommon(plan, index);
    plan.setBackColor(index, plainColour());
}

void retireEntrance(Plan &plan, int index)
{
    retireCommon(plan, index);
    plan.setText(index, kRetiredEntranceText);
}

void retireDoor(Plan &plan, int index)
{
    retireCommon(plan, index);
    plan.setText(index, kRetiredDoorText);
}

void selectElement(Plan &plan, int k, GreatFengShuiModule &module, BaguaEditorFields &fields)
{
    // k goes straight to the selection colour: a press on the selected
    // element changes no colour and touches nothing.
    plan.paintAll(0, plainColour(), k);
    plan.setColours(k, selectedColour());

    const PlanElement &element = plan.at(k);
    module.SelRoomHeightTwips = element.height;
    module.SelRoomLength = twipsToFeet(module.SelRoomHeightTwips, module.PlotLengthScale);
    module.SelRoomWidthTwips = element.width;
    module.SelRoomWidth = twipsToFeet(module.SelRoomWidthTwips, module.PlotWidthScale);

    fields.RoomSelected = true;
    module.DoorSelected = false;
    switch (element.kind()) {
    case ElementKind::MainEntrance:
    case ElementKind::BackEntrance:
        fields.RoomSelected = false;
        module.EntranceOrDoorGrabbed = true;
        module.DoorSelected = false;
        break;
    case ElementKind::Door:
        module.EntranceOrDoorGrabbed = true;
        module.DoorSelected = true;
        fields.RoomSelected = false;
        break;
    case ElementKind::Room:
        break;
    }
}

bool elementHits(const PlanElement &k, const PlanElement &i)
{
    const auto [li, ti, ri, bi] = wholeEdges(i);

    // Samples of k in the same whole twips: a room never meets itself nor
    // a room it only touches.
    const auto [x1, y1, x2, y2] = wholeEdges(k);
    const double x3 = wholeTwips(k.left + k.width / 2.0);
    // Half the height, not the width: the last sample is taken this way.
    const double x4 = wholeTwips(k.left + k.height / 2.0);
    const double y3 = wholeTwips(k.top + k.height / 2.0);

    struct Sample {
        double x;
        std::array<double, 3> ys;
        int count;
    };
    const std::array<Sample, 4> samples = {{
        {x1, {y1, y2, y3}, 3},
        {x2, {y2, y1, y3}, 3},
        {x3, {y1, y2, 0}, 2},
        {x4, {y2, y1, 0}, 2},
    }};
    for (const Sample &sample : samples) {
        if (!strictlyInside(sample.x, li, ri))
            continue;
        // Only the first x inside counts.
        for (int n = 0; n < sample.count; ++n) {
            if (strictlyInside(sample.ys[static_cast<std::size_t>(n)], ti, bi))
                return true;
        }
        return false;
    }
    return false;
}

std::optional<int> firstOverlap(const Plan &plan, int k)
{
    const PlanElement &room = plan.at(k);
    // Every sample of the room lies between its edges, but for the last x,
    // which goes half the height to the right. Only an element reaching into
    // that area, give or take a twip of rounding, can be hit; the plan finds
    // those in index order.
    const double left = room.left;
    const double top = room.top;
    const double across = std::max({0.0, static_cast<double>(room.width), room.height / 2.0});
    const double back = std::min({0.0, static_cast<double>(room.width), room.height / 2.0});
    const double down = std::max(0.0, static_cast<double>(room.height));
    const double up = std::min(0.0, static_cast<double>(room.height));
    for (int i : plan.near({left + back - 1, top + up - 1, left + across + 1, top + down + 1})) {
        if (elementHits(room, plan.at(i)))
            return i;
    }
    return std::nullopt;
}

bool overlapStep(const Plan &plan, int k, GreatFengShuiModule &module)
{
    // The element itself tells whether it is tested, not the flag its
    // press set: a press whose gesture was cut off never reaches this step
    // and would leave the flag to pass the next room untested.
    if (plan.at(k).kind() != ElementKind::Room) {
        module.EntranceOrDoorGrabbed = false;
        return false;
    }
    if (firstOverlap(plan, k)) {
        module.RoomsOverlap = true;
        return true;
    }
    module.RoomsOverlap = false;
    return false;
}

bool liesInside(const PlanElement &e, const PlanElement &j)
{
    const TwipsArea room = wholeEdges(j);
    const TwipsArea entrance = wholeEdges(e);
    const auto between = [](double low, double v, double high) { return low <= v && v <= high; };
    return between(room.left, entrance.left, room.right) &&
           between(room.left, entrance.right, room.right) &&
           between(room.top, entrance.bottom, room.bottom) &&
           between(room.top, entrance.top, room.bottom);
}

bool planBears(const Plan &plan, const QString &text)
{
    for (int i = 1; i <= plan.upperBound(); ++i) {
        if (plan.at(i).text == text)
            return true;
    }
    return false;
}

bool entranceInsideTest(const Plan &plan, const QString &entranceText)
{
    // Elements of no size are in no bucket of the plan's index; only an
    // entrance that rounds to a point can lie inside one, at that point.
    std::optional<std::vector<int>> points;
    const auto inside = [&](const PlanElement &entrance, int j) {
        return plan.at(j).text != entranceText && liesInside(entrance, plan.at(j));
    };
    for (int i = 1; i <= plan.upperBound(); ++i) {
        const PlanElement &entrance = plan.at(i);
        if (entrance.text != entranceText)
            continue;
        // The index holds an element by its edges before rounding, which
        // lie within half a twip of its whole ones: a room whose right edge
        // rounds up onto a bucket's boundary is held in the bucket before it.
        const TwipsArea whole = wholeEdges(entrance);
        const std::vector<int> near = plan.near(
            {std::min(whole.left, whole.right) - 1, std::min(whole.top, whole.bottom) - 1,
             std::max(whole.left, whole.right) + 1, std::max(whole.top, whole.bottom) + 1});
        if (std::any_of(near.begin(), near.end(), [&](int j) { return inside(entrance, j); }))
            continue;
        if (whole.left != whole.right || whole.top != whole.bottom)
            return false;
        if (!points) {
            points.emplace();
            for (int j = 1; j <= plan.upperBound(); ++j) {
                if (plan.at(j).width == 0 && plan.at(j).height == 0)
                    points->push_back(j);
            }
        }
        if (std::none_of(points->begin(), points->end(),
                         [&](int j) { return inside(entrance, j); }))
            return false;
    }
    return true;
}

namespace {

struct Area {
    bool solid = false; // a room with width and height
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

Area areaOf(const PlanElement &e)
{
    if (e.kind() != ElementKind::Room || !std::isfinite(e.left) || !std::isfinite(e.top))
        return {};
    // A room whose size rounds to nothing has no inside.
    const TwipsArea whole = wholeEdges(e);
    return {whole.right > whole.left && whole.bottom > whole.top, whole.left, whole.top,
            whole.right, whole.bottom};
}

bool insidesMeet(const Area &a, const Area &b)
{
    return a.solid && b.solid && a.left < b.right && b.left < a.right && a.top < b.bottom &&
           b.top < a.bottom;
}

// Whether any two of many rooms meet, in n log n whatever their places: a
// sweep from left to right holds the rooms whose width it stands in. Those
// never meet one another, or the sweep would have stopped, so by their tops
// a new room need only be held against the two either side of its own top.
bool anyMeet(const std::vector<Area> &areas, std::vector<int> rooms)
{
    std::sort(rooms.begin(), rooms.end(), [&](int a, int b) {
        return areas[static_cast<std::size_t>(a)].left < areas[static_cast<std::size_t>(b)].left;
    });
    std::map<double, double> standing;     // top -> bottom
    using End = std::pair<double, double>; // right, top
    std::priority_queue<End, std::vector<End>, std::greater<>> ends;
    for (int room : rooms) {
        const Area &a = areas[static_cast<std::size_t>(room)];
        // A room ending where this one starts only touches it.
        while (!ends.empty() && ends.top().first <= a.left) {
            standing.erase(ends.top().second);
            ends.pop();
        }
        const auto below = standing.lower_bound(a.top);
        if (below != standing.end() && below->first < a.bottom)
            return true;
        if (below != standing.begin() && std::prev(below)->second > a.top)
            return true;
        standing.emplace(a.top, a.bottom);
        ends.emplace(a.right, a.top);
    }
    return false;
}

} // namespace

bool roomsMeet(const PlanElement &a, const PlanElement &b)
{
    return insidesMeet(areaOf(a), areaOf(b));
}

bool planHasOverlappingRooms(const Plan &plan)
{
    std::vector<Area> areas(static_cast<std::size_t>(plan.upperBound()) + 1);
    for (int i = 1; i <= plan.upperBound(); ++i)
        areas[static_cast<std::size_t>(i)] = areaOf(plan.at(i));
    const auto solid = [&](int i) { return areas[static_cast<std::size_t>(i)].solid; };
    const auto meet = [&](int a, int b) {
        return a != b &&
               insidesMeet(areas[static_cast<std::size_t>(a)], areas[static_cast<std::size_t>(b)]);
    };

    // Two rooms that meet share a bucket of the plan's index, but for the
    // few too large for the buckets, which are held against every room.
    for (int large : plan.index().unbucketed()) {
        if (!solid(large))
            continue;
        for (int i = 1; i <= plan.upperBound(); ++i) {
            if (meet(large, i))
                return true;
        }
    }
    // A bucket holds a few rooms, unless the plan piles them up.
    constexpr std::size_t kFewRooms = 64;
    std::vector<int> rooms;
    return plan.index().anyCrowdedBucket([&](const std::vector<int> &bucket) {
        rooms.clear();
        std::copy_if(bucket.begin(), bucket.end(), std::back_inserter(rooms), solid);
        if (rooms.size() > kFewRooms)
            return anyMeet(areas, rooms);
        for (std::size_t a = 0; a < rooms.size(); ++a) {
            for (std::size_t b = a + 1; b < rooms.size(); ++b) {
                if (meet(rooms[a], rooms[b]))
                    return true;
            }
        }
        return false;
    });
}

} // namespace tessavo::floorplan
