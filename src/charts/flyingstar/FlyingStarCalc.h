#pragma once

// The Flying Star tool's logic: the period of a building year, the 24 facing
// sectors, the palaces with their facing and mountain palaces, the three
// flights of stars and the report runs. Only the year and the sector shape a
// chart; the windows validate the other entries and show what these give.

#include "charts/report/ReportRuns.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace tessavo::flyingstar {

// ---- Module data -----------------------------------------------------------

// Kept for the whole process, starting at 0; each plot overwrites both.
struct FlyingStarModule {
    qint16 BuiltYear = 0;    // year of construction of the last plot
    qint16 PeriodNumber = 0; // its period 1..9
};

FlyingStarModule &modFlyingStar();

// Sets PeriodNumber to the period of BuiltYear. A year outside 1864..2043
// leaves PeriodNumber as it was.
void FindPeriod();

// ---- Periods ---------------------------------------------------------------

inline constexpr int kFirstYear = 1864; // first year of period 1
inline constexpr int kLastYear = 2043;  // last year of period 9

// The 20-year period 1..9 a year belongs to; nothing outside 1864..2043.
std::optional<int> periodOfYear(int year);

// ---- Sectors ---------------------------------------------------------------

// The 24 facing sectors as the list shows them, "N1 337.5-352.5" first.
const QStringList &sectorList();

// Direction group 0..7 (N, NE, E, SE, S, SW, W, NW) and sub-sector 0..2 of a
// sector position 0..23.
inline int directionGroup(int sectorPos)
{
    return sectorPos / 3;
}
inline int subSector(int sectorPos)
{
    return sectorPos % 3;
}

// ---- Palaces ---------------------------------------------------------------

// The palace index every per-palace array uses; it is also the order in which
// a flight visits the palaces.
enum Palace {
    Centre = 0,
    NorthWest,
    West,
    NorthEast,
    South,
    North,
    SouthWest,
    East,
    SouthEast,
};
inline constexpr int kPalaces = 9;

// "North West", "South" ...; the centre's name is "Centre".
QString palaceName(int palace);

struct FacingAndMountain {
    int facingPalace;
    int mountainPalace;
    QString facingText;   // the facing direction as the result window shows it
    QString mountainText; // the mountain direction, the opposite one
};

// The facing and mountain palaces of a direction group 0..7.
const FacingAndMountain &facingAndMountain(int group);

// ---- Flights ---------------------------------------------------------------

using Stars = std::array<int, kPalaces>; // one star 1..9 per palace index

// Stars from a first star on, stepping up (9 goes on with 1) or down (1 goes
// on with 9), in palace order.
Stars flight(int firstStar, bool ascending);

// Whether the mountain or facing flight of a base star ascends: odd stars
// (5 included) ascend in the first sub-sector of a direction and descend in
// the other two; even stars the other way round.
bool flightAscends(int baseStar, int subSector);

// ---- Chart -----------------------------------------------------------------

struct FlyingStarChart {
    int period = 0;
    Stars periodStars{};
    Stars mountainStars{};
    Stars facingStars{};
    int facingPalace = 0;
    int mountainPalace = 0;
    int facingBaseStar = 0;   // the period star of the facing palace
    int mountainBaseStar = 0; // the period star of the mountain palace
    QString facingDirection;
    QString mountainDirection;
};

// The chart of a period 1..9 and a facing sector position 0..23.
FlyingStarChart chartFor(int period, int sectorPos);

// ---- Report ----------------------------------------------------------------

// The values the report restates, as the result window shows them.
struct FlyingStarReportFields {
    QString period;
    QString mountainDirection;
    QString mountainStar;
    QString facingDirection;
    QString facingStar;
};

// Eight sections, each a bold dark green heading (with its value where it has
// one), a dark red explanation and the credit line.
ReportRuns flyingStarReportRuns(const FlyingStarReportFields &fields);

} // namespace tessavo::flyingstar
