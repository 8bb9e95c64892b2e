#include "charts/bazi/BaZiCalc.h"

#include <algorithm>
#include <iterator>

namespace tessavo::bazi {

using namespace Qt::StringLiterals;

namespace {

// A remainder that stays in 0..n-1 for negative numbers too.
int cycleIndex(int i, int n)
{
    return ((i % n) + n) % n;
}

int stemIndex(const QString &stem)
{
    const auto &all = stems();
    const auto it = std::find(all.begin(), all.end(), stem);
    return it == all.end() ? -1 : static_cast<int>(it - all.begin());
}

struct StemRow {
    QString element;
    QString polarity;
};

// By stem, in cycle order.
const std::array<StemRow, 10> &stemTable()
{
    static const std::array<StemRow, 10> table = {{
        {u"Wood"_s, u"Yang"_s},
        {u"Wood"_s, u"Yin"_s},
        {u"Fire"_s, u"Yang"_s},
        {u"Fire"_s, u"Yin"_s},
        {u"Earth"_s, u"Yang"_s},
        {u"Earth"_s, u"Yin"_s},
        {u"Metal"_s, u"Yang"_s},
        {u"Metal"_s, u"Yin"_s},
        {u"Water"_s, u"Yang"_s},
        {u"Water"_s, u"Yin"_s},
    }};
    return table;
}

struct BranchRow {
    QString animal;
    std::array<QString, 3> hidden; // polarity and element; empty: none
};

// By branch, in cycle order.
const std::array<BranchRow, 12> &branchTable()
{
    static const std::array<BranchRow, 12> table = {{
        {u"Rat"_s, {u"Yin Water"_s, {}, {}}},
        {u"Ox"_s, {u"Yin Earth"_s, u"Yin Water"_s, u"Yin Metal"_s}},
        {u"Tiger"_s, {u"Yang Wood"_s, u"Yang Fire"_s, u"Yang Earth"_s}},
        {u"Rabbit"_s, {u"Yin Wood"_s, {}, {}}},
        {u"Dragon"_s, {u"Yang Earth"_s, u"Yin Wood"_s, u"Yin Water"_s}},
        {u"Snake"_s, {u"Yang Fire"_s, u"Yang Earth"_s, u"Yang Metal"_s}},
        {u"Horse"_s, {u"Yin Fire"_s, u"Yin Earth"_s, {}}},
        {u"Sheep"_s, {u"Yin Earth"_s, u"Yin Fire"_s, u"Yin Wood"_s}},
        {u"Monkey"_s, {u"Yang Metal"_s, u"Yang Water"_s, u"Yang Earth"_s}},
        {u"Rooster"_s, {u"Yin Metal"_s, {}, {}}},
        {u"Dog"_s, {u"Yang Earth"_s, u"Yin Metal"_s, u"Yin Fire"_s}},
        {u"Pig"_s, {u"Yang Water"_s, u"Yang Wood"_s, {}}},
    }};
    return table;
}

// The pair of the first month ("Yin" branch) of a cycle year, by the year
// stem, as its slot in the sixty-pair cycle.
struct FirstMonthRow {
    QString yearStems[2];
    int slot;
};
const std::array<FirstMonthRow, 5> &firstMonthTable()
{
    static const std::array<FirstMonthRow, 5> table = {{
        {{u"Jia"_s, u"Ji"_s}, 2},    // Bing Yin
        {{u"Yi"_s, u"Geng"_s}, 14},  // Wu Yin
        {{u"Bing"_s, u"Xin"_s}, 26}, // Geng Yin
        {{u"Ding"_s, u"Ren"_s}, 38}, // Ren Yin
        {{u"Wu"_s, u"Gui"_s}, 50},   // Jia Yin
    }};
    return table;
}

// The stem of the day's first "Zi" hour, by the day stem.
struct ZiHourRow {
    QString dayStems[2];
    QString ziStem;
};
const std::array<ZiHourRow, 5> &ziHourTable()
{
    static const std::array<ZiHourRow, 5> table = {{
        {{u"Jia"_s, u"Ji"_s}, u"Jia"_s},
        {{u"Yi"_s, u"Geng"_s}, u"Bing"_s},
        {{u"Bing"_s, u"Xin"_s}, u"Wu"_s},
        {{u"Ding"_s, u"Ren"_s}, u"Geng"_s},
        {{u"Wu"_s, u"Gui"_s}, u"Ren"_s},
    }};
    return table;
}

// 1 for "January" .. 12 for "December" (exact text), 0 for any other text.
int monthNumber(const QString &monthName)
{
    static const QString months[] = {u"January"_s,   u"February"_s, u"March"_s,    u"April"_s,
                                     u"May"_s,       u"June"_s,     u"July"_s,     u"August"_s,
                                     u"September"_s, u"October"_s,  u"November"_s, u"December"_s};
    const auto it = std::find(std::begin(months), std::end(months), monthName);
    return it == std::end(months) ? 0 : static_cast<int>(it - std::begin(months)) + 1;
}

Pillar splitPair(const QString &pair)
{
    const qsizetype blank = pair.indexOf(u' ');
    return {pair.left(blank), pair.mid(blank + 1)};
}

} // namespace

FourPillarModule &modFengShuiFourPillar()
{
    static FourPillarModule module;
    return module;
}

const std::array<QString, 10> &stems()
{
    static const std::array<QString, 10> all = {u"Jia"_s, u"Yi"_s,   u"Bing"_s, u"Ding"_s,
                                                u"Wu"_s,  u"Ji"_s,   u"Geng"_s, u"Xin"_s,
                                                u"Ren"_s, u"Gui"_s};
    return all;
}

const std::array<QString, 12> &branches()
{
    static const std::array<QString, 12> all = {u"Zi"_s,  u"Chou"_s, u"Yin"_s,  u"Mao"_s,
                                                u"Chen"_s, u"Si"_s,  u"Wu"_s,   u"Wei"_s,
                                                u"Shen"_s, u"You"_s, u"Xu"_s,   u"Hai"_s};
    return all;
}

QString jiaZiPair(int i)
{
    const int slot = cycleIndex(i, 60);
    return stems()[static_cast<std::size_t>(slot % 10)] + u' ' +
           branches()[static_cast<std::size_t>(slot % 12)];
}

Pillar yearPillar(int year)
{
    return {stems()[static_cast<std::size_t>(cycleIndex(year - 1924, 10))],
            branches()[static_cast<std::size_t>(cycleIndex(year - 1900, 12))]};
}

int monthOffset(const QString &monthName)
{
    const int month = monthNumber(monthName);
    return month == 0 ? 0 : month - 2;
}

std::optional<Pillar> monthPillar(const QString &yearStem, const QString &monthName)
{
    for (const FirstMonthRow &row : firstMonthTable()) {
        if (row.yearStems[0] == yearStem || row.yearStems[1] == yearStem)
            return splitPair(jiaZiPair(row.slot + monthOffset(monthName)));
    }
    return std::nullopt;
}

int dayNumber(int year, const QString &monthName, int day, const QString &yearBranch)
{
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = yearBranch == u"Zi"_s || yearBranch == u"Chen"_s || yearBranch == u"Shen"_s;
    int dayOfYear = day;
    for (int m = 1; m < monthNumber(monthName); ++m)
        dayOfYear += lengths[m - 1] + (m == 2 && leap ? 1 : 0);
    // Years counted from 1900: the leap days before the year, and 365 days a
    // year, which is 5 round the sixty-day cycle.
    const int yy = year - 1900;
    const int leapDaysBefore = (yy - 1 - cycleIndex(yy - 1, 4)) / 4;
    return leapDaysBefore + 5 * (yy - 1) + 15 + dayOfYear;
}

Pillar dayPillar(int dayNumber)
{
    return {stems()[static_cast<std::size_t>(cycleIndex(dayNumber - 1, 10))],
            branches()[static_cast<std::size_t>(cycleIndex(dayNumber - 1, 12))]};
}

std::optional<Pillar> hourPillar(int hour, const QString &amPm, const QString &dayStem)
{
    if (hour < 1 || hour > 12)
        return std::nullopt;
    const bool am = amPm == u"AM"_s;
    const int clock24 = am ? hour % 12 : hour % 12 + 12;
    // Two clock hours to a branch, the first "Zi" hour ending at 1 AM; 11 PM
    // opens the thirteenth, the "Zi" hour of the next day.
    const int n = (clock24 + 1) / 2;
    QString ziStem;
    for (const ZiHourRow &row : ziHourTable()) {
        if (row.dayStems[0] == dayStem || row.dayStems[1] == dayStem)
            ziStem = row.ziStem;
    }
    if (ziStem.isEmpty())
        return std::nullopt;
    return Pillar{stems()[static_cast<std::size_t>(cycleIndex(stemIndex(ziStem) + n, 10))],
                  branches()[static_cast<std::size_t>(n % 12)]};
}

PillarBreakdown pillarBreakdown(const Pillar &pillar)
{
    PillarBreakdown out;
    const int s = stemIndex(pillar.stem);
    const QString element = s >= 0 ? stemTable()[static_cast<std::size_t>(s)].element : QString();
    out.lines[0] = element + u" ["_s + pillar.stem + u']';

    const auto &allBranches = branches();
    const auto b = std::find(allBranches.begin(), allBranches.end(), pillar.branch);
    if (b == allBranches.end())
        return out;
    const BranchRow &row = branchTable()[static_cast<std::size_t>(b - allBranches.begin())];
    out.lines[1] = row.animal + u" ["_s + pillar.branch + u']';
    for (std::size_t h = 0; h < 3; ++h) {
        for (std::size_t i = 0; i < 10; ++i) {
            const StemRow &stem = stemTable()[i];
            if (row.hidden[h] == stem.polarity + u' ' + stem.element) {
                out.lines[h + 2] = stem.element + u" ["_s + stems()[i] + u']';
                out.polarities[h + 2] = stem.polarity;
                break;
            }
        }
    }
    return out;
}

const std::array<ElementEntry, 10> &elementEntries()
{
    static const std::array<QString, 10> texts = {
        u"It is like a tree which is upward growing and is tall, sturdy and stubborn by natures."_s,
        u"Yin wood is the grass and the slender shrubs, the opposite of the tall and sturdy yang "
        "wood. By nature they are graceful and yet strong. Under pressure they bend instead of "
        "breaking, and rise again once the pressure is gone."_s,
        u"Yang fire is a forest fire which is hot and burns non-stop."_s,
        u"Yin fire is the furnace fire which is hot by nature but burns slowly and imparts heat "
        "without scorching the surrounding."_s,
        u"Yang earth is hard and crusty soil, like the ground of a desert. It has been scorched by "
        "a long time without rain."_s,
        u"Yin earth is rich, soft and loamy garden soil. It is good for growing food."_s,
        u"Yang metal is a sharpened outward piercing metal. By nature they are intelligent, "
        "strong, aggressive and ever curious."_s,
        u"Unlike the yang metal, the Yin metal is inward looking and by nature they are wise, "
        "powerful and beautiful."_s,
        u"Yang water is referred to as the Ocean water which is deep and produces tremendous and "
        "huge waves."_s,
        u"Contrarily, Yin water is the lake water which is deep yet calm with strong "
        "undercurrents."_s,
    };
    static const std::array<ElementEntry, 10> entries = [] {
        std::array<ElementEntry, 10> built;
        for (std::size_t i = 0; i < 10; ++i) {
            const StemRow &row = stemTable()[i];
            built[i] = {row.polarity + u' ' + row.element + u" ["_s + stems()[i] + u']', texts[i]};
        }
        return built;
    }();
    return entries;
}

QString interpretation(const PillarBreakdown &breakdown)
{
    QString text;
    for (std::size_t k = 0; k < 5; ++k) {
        const QString key = breakdown.polarities[k] + u' ' + breakdown.lines[k];
        for (const ElementEntry &entry : elementEntries()) {
            if (entry.label != key)
                continue;
            if (!text.isEmpty())
                text += u"\r\n\r\n"_s;
            text += entry.label + u"\r\n"_s + entry.text;
        }
    }
    return text;
}

const std::array<PillarPage, 4> &pillarPages()
{
    static const std::array<PillarPage, 4> pages = {{
        {u"The Year Pillar"_s,
         u"The Year Pillar comes from the year of birth and is called the Grandparents Palace. "
         "It tells about the relationship with the grandparents, the family's status, background "
         "and place in society, and it has a subtle influence on what the person achieves."_s},
        {u"The Month Pillar"_s,
         u"The Month Pillar comes from the month of birth and is called the Parents Palace. It "
         "tells about the relationship with the parents, the childhood and the family "
         "surroundings the person grew up in."_s},
        {u"The Day Pillar"_s,
         u"The Day Pillar comes from the day of birth and is the most important of the four. Its "
         "stem is the Day Master, the person's own spirit; its branch is the Marriage Palace and "
         "tells about marriage."_s},
        {u"The Hour Pillar"_s,
         u"The Hour Pillar comes from the hour of birth and is called the Children Palace. It "
         "tells about the relationship with one's children and about old age."_s},
    }};
    return pages;
}

ReportRuns baZiReportRuns(const std::array<PillarReport, 4> &pillars)
{
    constexpr int kTeal = 3;
    const QString crlf = u"\r\n"_s;
    ReportRuns runs;
    for (const PillarReport &pillar : pillars) {
        runs.append({true, kTeal, pillar.heading + crlf});
        runs.append({false, std::nullopt, pillar.description + crlf + crlf});
        for (const QString &line : pillar.lines) {
            if (!line.isEmpty())
                runs.append({std::nullopt, std::nullopt, line + crlf});
        }
        if (pillar.interpretation.isEmpty())
            continue;
        runs.append({std::nullopt, std::nullopt, crlf + u"Interpretation"_s + crlf});
        runs.append({std::nullopt, std::nullopt, pillar.interpretation + crlf + crlf});
        runs.append({std::nullopt, std::nullopt, creditLine() + crlf + crlf});
    }
    return runs;
}

double ephemerisHour(int hour, int minute)
{
    return QStringLiteral("%1.%2").arg(hour - 5).arg(minute).toDouble();
}

} // namespace tessavo::bazi
