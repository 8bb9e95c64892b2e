#pragma once

// The Kua number tool's logic: the number from a birth year and sex, the Kua
// table, the colours of each direction, the good-direction compass, the
// element texts, the keys of the three picture lists and the report runs.
// The windows (input, result, report) only show what these give.

#include "charts/report/ReportRuns.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace tessavo::kua {

// ---- Module data -----------------------------------------------------------

// What the Kua windows pass to one another. Lives for the whole process,
// starts empty (the date at 30 December 1899, "never written") and is only
// ever overwritten, never cleared.
struct FengShuiModule {
    QString KuaUserName;              // typed name, blanks trimmed
    QString KuaUserSex;               // "Male" or "Female"
    QString KuaBirthDay;              // "1".."31"
    QString KuaBirthMonth;            // "January".."December"
    QString KuaBirthYear;             // year text, one less for January / February births
    QDate KuaBirthDate{1899, 12, 30}; // the real birth date
    QString DirectionColors[2];       // 0 wear, 1 avoid: last GetDirectionColors
    QString ElementNames[6];          // 0..4 filled by fillElementTables, 5 empty
    QString ElementTexts[6];          // text of the element at the same index
};

FengShuiModule &modFengShui();

// ---- Kua number ------------------------------------------------------------

// The Kua number 1..9 from the last two digits of the (shifted) birth year
// and the sex. Only the first and last characters are read; a character that
// is not a digit counts 0. Exactly "Male" takes the male rule, any other text
// the female rule. Examples: "69" Male 4, Female 2; "00" Male 1, Female 5.
int CalcKuaNumber(const QString &yearDigits, const QString &sex);

// The year the Kua number is computed from: one less for a birth in January
// or February ("2000" -> "1999"), otherwise the year text unchanged.
QString shiftedBirthYear(const QString &monthName, const QString &yearText);

// The third and fourth characters of a year text ("1999" -> "99"): the year
// digits CalcKuaNumber takes.
QString yearDigits(const QString &yearText);

// ---- Kua table -------------------------------------------------------------

// Positions in KuaRow::directions. The first four are the good directions.
enum DirectionSlot {
    Success = 0,   // Sheng Chi
    Health,        // Tien Yi
    Relationships, // Nien Yin
    Personal,      // Fu Wei
    Mishaps,       // Ho Hai
    FiveGhosts,    // Wu Gwei
    SixKillings,   // Liu Sha
    TotalLoss,     // Chueh Ming
};

struct KuaRow {
    QString group;                     // "East" or "West"
    QString element;                   // "Water", "Earth", "Metal", "Wood", "Fire"
    QString trigram;                   // "Kan", "Kun", "Chen", "Sun", "Chien", "Tui", "Ken", "Li"
    QString colour;                    // e.g. "Off White"
    std::array<QString, 8> directions; // by DirectionSlot
};

// The row of Kua number 1..9; any other number gives a row of empty texts.
const KuaRow &kuaRow(int kua);

// ---- Direction colours -----------------------------------------------------

// Colours to wear [0] and to avoid [1] for a direction ("North", "South East",
// ...), as exact texts. A direction outside the table gives two empty texts.
std::array<QString, 2> directionColors(const QString &direction);

// Writes directionColors(direction) into modFengShui().DirectionColors.
void GetDirectionColors(const QString &direction);

// ---- Good-direction compass ------------------------------------------------

// Direction name of each compass cell, index 0..8; the centre (8) is empty.
const std::array<QString, 9> &compassCellNames();
// The caption each cell shows: "NW", "N", "NE", "W", "E", "SW", "S", "SE", "".
const std::array<QString, 9> &compassCaptions();

// Palette indices (0..15, the classic 16-colour palette) of the compass cells
// and of the legend beside it.
inline constexpr int kCompassPlain = 15;         // white
inline constexpr int kCompassSuccess = 11;       // light cyan
inline constexpr int kCompassHealth = 10;        // light green
inline constexpr int kCompassRelationships = 13; // light magenta
inline constexpr int kCompassPersonal = 14;      // yellow

// Background palette index of each of the nine cells: all white, then the
// first cell (0..7) naming each good direction takes its legend colour,
// success first and personal last. A name matching no cell colours nothing.
std::array<int, 9> goodDirectionCellColours(const QString &success, const QString &health,
                                            const QString &relationships, const QString &personal);

// ---- Element texts ---------------------------------------------------------

// Fills modFengShui().ElementNames / ElementTexts 0..4 anew ("Water", "Earth",
// "Metal", "Wood", "Fire"); index 5 is left as it is (empty).
void fillElementTables();

// Fills the tables, then gives the text of the element whose name equals the
// caption exactly: a description, a blank line, the compatible-elements
// sentence, a blank line, the not-compatible sentence. Empty when no name
// matches.
QString elementDescription(const QString &elementCaption);

// ---- Picture lists ---------------------------------------------------------

enum class PictureList {
    Elements, // IMGElements, selected by the element caption
    Colours,  // IMGColours, selected by the colour caption
    Trigrams, // IMGTrigrams, selected by the trigram caption
};

// The keys of a picture list, in list order.
const QStringList &pictureKeys(PictureList list);

// Position (0-based) of the first key equal to the given one, case-sensitive;
// nothing when no key matches (the image then keeps the picture it had).
std::optional<int> pictureIndex(PictureList list, const QString &key);

// ---- Report ----------------------------------------------------------------

// The values the report shows, as the result window holds them.
struct KuaReportFields {
    QString name;
    QDate birthDate;
    QString kuaNo, group, element, trigram, colour;
    QString directions[8]; // by DirectionSlot
};

// The report: for each of the fifteen fields a bold magenta caption, the
// plain black value with a blank line, and the credit line with a blank line.
// The birth date is written in the locale's short date format with a
// four-digit year (the program passes the user's locale).
ReportRuns kuaReportRuns(const KuaReportFields &fields, const QLocale &locale);

} // namespace tessavo::kua
