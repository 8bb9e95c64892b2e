#pragma once

// The plan the benchmarks and the real-bridge tests open: a room with both
// entrances and a door on its top edge, a room on its own that is dragged
// (wider than high, so that its width and height cannot be taken for each
// other), and rooms side by side in a square grid at the plot's top-left corner
// (touching, so none overlaps, and Save takes it). Any size from 5 to the
// 32,767 elements the file may hold.

#include "floorplan/PlanFile.h"
#include "floorplan/PlanModel.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tessavo::test::largeplan {

constexpr double kTwipsPerPixel = 15.0; // at 96 dpi
// Rooms fill a square of this many pixels; the rest of the plot stays free
// for the room that is dragged.
constexpr int kGridPixels = 240;

// Indices in every plan.
constexpr int kHome = 1;  // the room the entrances and the door stand on
constexpr int kMover = 5; // the room a drag moves
constexpr int kFirstGridRoom = 6;

inline floorplan::PlanRecord record(int index, const QString &text, int leftPx, int topPx,
                                    int widthPx, int heightPx)
{
    floorplan::PlanRecord r;
    r.index = index;
    r.text = text;
    r.left = static_cast<float>(leftPx * kTwipsPerPixel);
    r.top = static_cast<float>(topPx * kTwipsPerPixel);
    r.width = static_cast<float>(widthPx * kTwipsPerPixel);
    r.height = static_cast<float>(heightPx * kTwipsPerPixel);
    r.borderStyle = 1;
    return r;
}

inline int gridColumns(int elements)
{
    const int rooms = std::max(elements - kFirstGridRoom + 1, 1);
    return static_cast<int>(std::ceil(std::sqrt(static_cast<double>(rooms))));
}

inline int gridPitch(int elements)
{
    return std::max(1, kGridPixels / gridColumns(elements));
}

inline std::vector<floorplan::PlanRecord> makePlan(int elements)
{
    std::vector<floorplan::PlanRecord> plan;
    plan.push_back(record(kHome, QStringLiteral("HOME"), 250, 20, 40, 40));
    plan.push_back(record(2, floorplan::kMainEntranceText, 250, 20, 20, 0));
    plan.push_back(record(3, floorplan::kBackEntranceText, 250, 20, 10, 0));
    plan.push_back(record(4, QString(), 250, 20, 0, 8));
    plan.push_back(record(kMover, QStringLiteral("MOVER"), 260, 260, 16, 12));
    const int columns = gridColumns(elements);
    const int pitch = gridPitch(elements);
    for (int i = kFirstGridRoom; i <= elements; ++i) {
        const int cell = i - kFirstGridRoom;
        plan.push_back(record(i, QStringLiteral("ROOM %1").arg(i), cell % columns * pitch,
                              cell / columns * pitch, pitch, pitch));
    }
    return plan;
}

} // namespace tessavo::test::largeplan
