#pragma once

// The Bagua chart of a floor plan: the smallest box that holds the plan's
// rooms, its three-by-three division into the nine parts, and the table of
// the parts (names, legend lines and colours). The chart window only lays
// out and shows what these give.

#include "floorplan/PlanModel.h"

#include <QColor>
#include <QList>
#include <QRectF>
#include <QString>

#include <array>
#include <functional>
#include <optional>

namespace tessavo::floorplan {

// One plan element as the chart scans it: its text (which tells its kind)
// and its place in twips of the plot box.
struct ChartElement {
    QString text;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// Empty text is a door; the entrances go by their exact texts. Everything
// else, retired elements included, is a room.
bool countsAsRoom(const QString &text);

// The chart box as the plan state keeps it: edges and size in whole twips
// (16-bit), and the element that last moved each edge.
struct ChartBox {
    qint16 ChartLeft = 0;
    qint16 ChartTop = 0;
    qint16 ChartRight = 0;
    qint16 ChartBottom = 0;
    qint16 ChartWidth = 0;
    qint16 ChartHeight = 0;
    qint16 ChartLeftRoom = 0;
    qint16 ChartTopRoom = 0;
    qint16 ChartRightRoom = 0;
    qint16 ChartBottomRoom = 0;
    bool operator==(const ChartBox &) const = default;
};

// The chart box as the module keeps it, and back.
ChartBox chartBoxOf(const GreatFengShuiModule &module);
void storeChartBox(GreatFengShuiModule &module, const ChartBox &box);

// The element array of a plan as the chart scans it, the template included.
QList<ChartElement> chartElements(const Plan &txtRoom);

// A twips value as a stored edge: the nearest whole twip, a half going to
// the even neighbour, held within the 16-bit range.
qint16 storedEdge(double twips);

// Where retired elements are parked; the right and bottom scans skip any
// element standing exactly on this line.
inline constexpr double kRetiredPlace = 4800;

// Scans the plan into the box. `txtRoom` is the whole element array, the
// template at index 0 included; index i of the list is element i. The left
// and top edges start at element 1, the right and bottom edges at the
// template's; each room beyond them moves them. The element fields keep
// their earlier values when no element moves their edge. Nothing changes
// when the array holds no element beyond the template.
void ScanChartBox(ChartBox &box, const QList<ChartElement> &txtRoom);

// The nine parts' places in the plot box, index 0 top left, row by row.
// `settle` gives the value a control keeps when given a position or size
// (whole screen pixels on screen); each part's place is built from what the
// earlier parts settled to, so neighbouring parts touch. An empty or
// inverted box gives parts of no size.
std::array<QRectF, 9> baguaPartPlaces(const ChartBox &box,
                                      const std::function<double(double)> &settle);

// ---- The nine parts ----------------------------------------------------------

struct BaguaPart {
    QString tooltip;
    QString legendName;   // the legend label: "Label2" ...
    QString legendLine;   // its caption
    QColor legendText;
    // The legend line's own background; nothing: the panel's colour.
    std::optional<QColor> legendBack;
    // The legend line stands on the desktop's menu-text colour.
    bool legendOnMenuText = false;
    QColor back;          // the part's colour in the chart
    QColor text;
};

inline constexpr int kBaguaParts = 9;

// The part of index 0..8; any other index gives an empty row.
const BaguaPart &baguaPart(int index);

} // namespace tessavo::floorplan
