#include "charts/flyingstar/FlyingStarCalc.h"

namespace tessavo::flyingstar {

using namespace Qt::StringLiterals;

namespace {

constexpr int kPeriodYears = 20;

const QString kLineBreak = u"\r\n"_s;
const QString kParagraphBreak = u"\r\n\r\n"_s;

// Report colours, indices into the 16-colour palette.
constexpr int kHeadingColour = 2; // dark green
constexpr int kBodyColour = 4;    // dark red

// One star further up or down, kept within 1..9.
int step(int star, bool ascending)
{
    const int zeroBased = (star - 1 + (ascending ? 1 : -1)) % 9;
    return (zeroBased + 9) % 9 + 1;
}

} // namespace

FlyingStarModule &modFlyingStar()
{
    static FlyingStarModule module;
    return module;
}

void FindPeriod()
{
    FlyingStarModule &module = modFlyingStar();
    if (const auto period = periodOfYear(module.BuiltYear))
        module.PeriodNumber = static_cast<qint16>(*period);
}

std::optional<int> periodOfYear(int year)
{
    if (year < kFirstYear || year > kLastYear)
        return std::nullopt;
    return (year - kFirstYear) / kPeriodYears + 1;
}

const QStringList &sectorList()
{
    static const QStringList sectors = {
        u"N1 337.5-352.5"_s,  u"N2 352.5-7.5"_s,    u"N3 7.5-22.5"_s,     u"NE1 22.5-37.5"_s,
        u"NE2 37.5-52.5"_s,   u"NE3 52.5-67.5"_s,   u"E1 67.5-82.5"_s,    u"E2 82.5-97.5"_s,
        u"E3 97.5-112.5"_s,   u"SE1 112.5-127.5"_s, u"SE2 127.5-142.5"_s, u"SE3 142.5-157.5"_s,
        u"S1 157.5-172.5"_s,  u"S2 172.5-187.5"_s,  u"S3 187.5-202.5"_s,  u"SW1 202.5-217.5"_s,
        u"SW2 217.5-232.5"_s, u"SW3 232.5-247.5"_s, u"W1 247.5-262.5"_s,  u"W2 262.5-277.5"_s,
        u"W3 277.5-292.5"_s,  u"NW1 292.5-307.5"_s, u"NW2 307.5-322.5"_s, u"NW3 322.5-337.5"_s,
    };
    return sectors;
}

QString palaceName(int palace)
{
    static const std::array<QString, kPalaces> names = {
        u"Centre"_s, u"North West"_s, u"West"_s, u"North East"_s, u"South"_s,
        u"North"_s,  u"South West"_s, u"East"_s, u"South East"_s,
    };
    if (palace < 0 || palace >= kPalaces)
        return {};
    return names[static_cast<std::size_t>(palace)];
}

const FacingAndMountain &facingAndMountain(int group)
{
    static const std::array<FacingAndMountain, 8> groups = {{
        {North, South, u"North"_s, u"South"_s},
        {NorthEast, SouthWest, u"North East"_s, u"South West"_s},
        {East, West, u"East"_s, u"West"_s},
        {SouthEast, NorthWest, u"South East"_s, u"North West"_s},
        {South, North, u"South"_s, u"North"_s},
        {SouthWest, NorthEast, u"South West"_s, u"North East"_s},
        {West, East, u"West"_s, u"East"_s},
        {NorthWest, SouthEast, u"North West"_s, u"South East"_s},
    }};
    // The sector list has no other positions; clamp rather than read past it.
    const int g = group < 0 ? 0 : (group > 7 ? 7 : group);
    return groups[static_cast<std::size_t>(g)];
}

Stars flight(int firstStar, bool ascending)
{
    Stars stars{};
    int star = firstStar;
    for (int &palaceStar : stars) {
        palaceStar = star;
        star = step(star, ascending);
    }
    return stars;
}

bool flightAscends(int baseStar, int subSector)
{
    const bool odd = baseStar % 2 != 0;
    return subSector == 0 ? odd : !odd;
}

FlyingStarChart chartFor(int period, int sectorPos)
{
    FlyingStarChart chart;
    chart.period = period;
    chart.periodStars = flight(period, true);

    const FacingAndMountain &palaces = facingAndMountain(directionGroup(sectorPos));
    chart.facingPalace = palaces.facingPalace;
    chart.mountainPalace = palaces.mountainPalace;
    chart.facingDirection = palaces.facingText;
    chart.mountainDirection = palaces.mountainText;
    chart.facingBaseStar = chart.periodStars[static_cast<std::size_t>(palaces.facingPalace)];
    chart.mountainBaseStar = chart.periodStars[static_cast<std::size_t>(palaces.mountainPalace)];

    // Both flights follow the sub-sector of the facing sector.
    const int s = subSector(sectorPos);
    chart.mountainStars = flight(chart.mountainBaseStar, flightAscends(chart.mountainBaseStar, s));
    chart.facingStars = flight(chart.facingBaseStar, flightAscends(chart.facingBaseStar, s));
    return chart;
}

ReportRuns flyingStarReportRuns(const FlyingStarReportFields &fields)
{
    struct Section {
        QString heading;
        QString body;
    };
    const std::array<Section, 8> sections = {{
        {u"Your house was built in Period : "_s + fields.period + kLineBreak,
         u"The Period shows the auspicious and inauspicious areas of your house and how they "
         "change with each 20-year cycle."_s},
        // The body goes on the heading's line, after a blank.
        {u"Period Star "_s + fields.period + u" will be located in the Center Palace."_s,
         u" It is the time star, the 'qi' of the period in which your house was built. It "
         "enhances, controls or assists the other stars of the chart."_s},
        {u"Direction of Mountain Palace of your house is : "_s + fields.mountainDirection +
             kLineBreak,
         u"This is the direction in which the auspicious Mountain Star is located at the back "
         "of the house."_s},
        {u"The Mountain Star of your house is : "_s + fields.mountainStar + kLineBreak,
         u"The Mountain Star is the number that governs your health. This stands for happiness, "
         "good relationships, influence and success."_s},
        {u"Direction of Facing Palace of your house is : "_s + fields.facingDirection + kLineBreak,
         u"This is the direction of the auspicious Mountain Star. Directly at the front of the "
         "house it is known as the Facing Palace."_s},
        {u"The Facing Star of your house is : "_s + fields.facingStar + kLineBreak,
         u"The Facing Star governs your luck and wealth. This represents your monetary gains "
         "and losses."_s},
        {u"Stars :"_s + kLineBreak,
         u"The numbers in the grid are known as Stars which represent the trigrams of the I "
         "Ching."_s},
        {u"Palace :"_s + kLineBreak,
         u"There is nine grid and each square of the grid is known as a Palace of your house."_s},
    }};

    ReportRuns runs;
    runs.reserve(3 * static_cast<qsizetype>(sections.size()));
    for (const Section &section : sections) {
        runs.append({true, kHeadingColour, section.heading});
        runs.append({false, kBodyColour, section.body + kParagraphBreak});
        // The credit line keeps the body's style.
        runs.append({std::nullopt, std::nullopt, creditLine() + kParagraphBreak});
    }
    return runs;
}

} // namespace tessavo::flyingstar
