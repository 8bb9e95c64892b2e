#pragma once

// The Ba Zi tool's logic: the four pillars of a birth moment on the civil
// calendar, the breakdown of each pillar into elements, animal and hidden
// stems, the interpretation entries, and the report runs. The windows (input,
// result, report) only show what these give.

#include "charts/report/ReportRuns.h"

#include <QString>

#include <array>
#include <optional>

namespace tessavo::bazi {

// ---- Module data -----------------------------------------------------------

// The five lines of a pillar (stem, animal, up to three hidden stems) and
// the polarity that goes with each; slot 5 stays empty.
using PillarLines = std::array<QString, 6>;

// What the Ba Zi windows pass to one another. Lives for the whole process,
// starts empty or zero and is only ever overwritten.
struct FourPillarModule {
    // The entries of the last successful Analyze.
    QString BaZiUserName;
    qint16 BaZiBirthYear = 0;
    QString BaZiBirthMonth; // "January".."December"
    qint16 BaZiBirthDay = 0;
    qint16 BaZiBirthHour = 0; // 1..12
    qint16 BaZiBirthMinute = 0;
    qint16 BaZiBirthSecond = 0;
    QString BaZiAmPm; // "AM" or "PM"
    qint16 BaZiLongitude = 0;
    QString BaZiUserSex; // "Male" or "Female"

    // The pillars of the last calculation.
    QString YearStem, YearBranch;
    QString MonthStem, MonthBranch;
    qint16 DayNumber = 0;
    QString DayStem, DayBranch;
    QString HourStem, HourBranch;

    PillarLines YearPillarLines, MonthPillarLines, DayPillarLines, HourPillarLines;
    PillarLines YearPillarPolarity, MonthPillarPolarity, DayPillarPolarity, HourPillarPolarity;
    std::array<QString, 10> PillarElementLabels;
    std::array<QString, 10> PillarElementTexts;

    friend bool operator==(const FourPillarModule &, const FourPillarModule &) = default;
};

FourPillarModule &modFengShuiFourPillar();

// ---- Cycle tables ----------------------------------------------------------

// "Jia", "Yi", ... "Gui", in cycle order.
const std::array<QString, 10> &stems();
// "Zi", "Chou", ... "Hai", in cycle order.
const std::array<QString, 12> &branches();
// Pair i of the sixty-pair cycle, "Jia Zi" (0) to "Gui Hai" (59): stem
// i mod 10, a blank, branch i mod 12. Any i counts round the cycle.
QString jiaZiPair(int i);

struct Pillar {
    QString stem;
    QString branch;
    friend bool operator==(const Pillar &, const Pillar &) = default;
};

// ---- The four pillars ------------------------------------------------------

// The civil year: the pillar changes on 1 January. 1924 is "Jia Zi".
Pillar yearPillar(int year);

// Month offset from the first month of the cycle year (February 0, ...,
// December 10); January is the month before February, -1. A name outside
// the twelve gives 0.
int monthOffset(const QString &monthName);

// The month pillar from the year stem and the month name ("January" ..
// "December", exact text). Months follow one another round the sixty-pair
// cycle without a break: February of a "Jia" year is "Bing Yin", the January
// before it "Yi Chou". Nothing when the year stem is not one of the ten.
std::optional<Pillar> monthPillar(const QString &yearStem, const QString &monthName);

// The day count of the sixty-day cycle: 1 is a "Jia Zi" day. The leap day
// is counted for years whose branch is "Zi", "Chen" or "Shen", which over the
// years offered (1924..2050) are exactly the leap years. 1 January 1924 is
// 136, 31 December 2050 is 1162.
int dayNumber(int year, const QString &monthName, int day, const QString &yearBranch);

Pillar dayPillar(int dayNumber);

// The hour pillar from the hour on the 12-hour clock (1..12), its mark
// ("AM" exactly, anything else counts as PM) and the day stem. Each branch
// covers two hours, "Zi" from 11 PM to 1 AM and "Wu" from 11 AM to 1 PM.
// The hours of a day run on round the cycle from the "Zi" hour that starts
// it, so 11 PM takes the "Zi" hour of the day that follows. Nothing for an
// hour outside 1..12.
std::optional<Pillar> hourPillar(int hour, const QString &amPm, const QString &dayStem);

// ---- Elements and interpretations ------------------------------------------

// Line 0 the stem's element ("Wood [Jia]"), line 1 the branch's animal
// ("Rat [Zi]"), lines 2..4 the stems hidden in the branch ("Water [Gui]"),
// empty where the branch holds fewer than three. The polarity of lines
// 2..4 is that of their hidden stem; lines 0 and 1 and empty lines have none.
struct PillarBreakdown {
    std::array<QString, 5> lines;
    std::array<QString, 5> polarities;
};
PillarBreakdown pillarBreakdown(const Pillar &pillar);

// One entry per stem in cycle order: its label ("Yang Fire [Bing]") and a
// short paragraph on that kind of element.
struct ElementEntry {
    QString label;
    QString text;
};
const std::array<ElementEntry, 10> &elementEntries();

// The paragraphs of the pillar's hidden stems, in line order, each headed
// by its entry label: label, CR LF, text; paragraphs apart by an empty line.
// The stem of the pillar itself brings none.
QString interpretation(const PillarBreakdown &breakdown);

// ---- Report ----------------------------------------------------------------

// What the report shows of one pillar, as the result window holds it.
struct PillarReport {
    QString heading;     // "The Year Pillar"
    QString description; // the page's description of the pillar
    std::array<QString, 5> lines;
    QString interpretation;
};

// The page of each pillar in report order: year, month, day, hour. The
// heading is the page's tab caption; the description tells what the pillar
// stands for.
struct PillarPage {
    QString heading;
    QString description;
};
const std::array<PillarPage, 4> &pillarPages();

// For each pillar: the heading in bold teal, then in plain teal its
// description, its non-empty lines and, when it has one, its interpretation
// followed by the credit line.
ReportRuns baZiReportRuns(const std::array<PillarReport, 4> &pillars);

// ---- Ephemeris probe -------------------------------------------------------

// The hour passed to the ephemeris: the hour less five, written with the
// minute as its decimal digits (10 and 30 give 5.3, 10 and 5 give 5.5).
double ephemerisHour(int hour, int minute);

} // namespace tessavo::bazi
