#pragma once

// The Lo Shu tool's logic: the digits of a birth date laid into the nine
// cells of the magic square, counted by the five elements, the elements that
// count as missing with their remedies, and the report runs. The windows
// (input, result, report) only show what these give.

#include "charts/report/ReportRuns.h"

#include <QImage>
#include <QString>

#include <array>
#include <optional>

namespace tessavo::loshu {

// The element order of this tool; it differs from the Kua number tool's.
enum Element { Water = 0, Earth, Wood, Metal, Fire };
inline constexpr int kElementCount = 5;

// ---- Module data -----------------------------------------------------------

// What the Lo Shu windows pass to one another. Lives for the whole process,
// starts empty and keeps the last calculation until the next one.
struct FengShuiLoshuModule {
    QString LoShuUserName;                     // typed name, blanks trimmed; the report reads it
    QString LoShuUserSex;                      // "Male" or "Female"; kept, read by nothing
    QString LoShuBirthDay;                     // "1".."31"
    QString LoShuBirthMonth;                   // "January".."December"
    QString LoShuBirthYear;                    // "1900".."2050", never shifted
    QString LoShuBirthDate;                    // "7 March 1985": text, not a date
    std::array<QString, 13> LoShuMonthNames;   // 0..11 the month list, 12 empty
    QString LoShuDigits;                       // the digits of the date
    std::array<QString, 6> LoShuElementNames;  // by Element, 5 empty
    std::array<QString, 6> LoShuRemedies;      // by Element, 5 empty
    std::array<qint16, 6> LoShuElementCount{}; // by Element
    std::array<QString, 10> LoShuDigitRepeats; // entry d - 1: digit d once per occurrence
    std::array<bool, 6> LoShuElementMissing{}; // by Element
};

FengShuiLoshuModule &modFengShuiLoshu();

// ---- Tables ----------------------------------------------------------------

// "Water", "Earth", "Wood", "Metal", "Fire".
const QString &elementName(int element);

// The numbered remedy lines of an element joined by CR LF, no break after the
// last line; empty outside 0..4.
const QString &remedyText(int element);

// The element a digit character falls to; nothing for 0 and for anything
// that is not a digit.
std::optional<int> digitElement(QChar digit);

// ---- Calculation -------------------------------------------------------------

// The digit string of a date: the day text, then the month number of a month
// name matched exactly (case-sensitive; an unknown name adds nothing), then
// the year text. "7", "March", "1985" -> "731985".
QString loShuDigits(const QString &day, const QString &month, const QString &year);

// Fills the module's tables and everything it holds of a calculation: the
// digits, the count of each element, the repeats of each digit and the
// missing elements. Water, Wood, Metal and Fire are missing at a count of 0,
// Earth at a count of 0 or 1. The birth data it is given is not stored.
void calculateLoShu(const QString &day, const QString &month, const QString &year);

// ---- Result --------------------------------------------------------------------

// The caption of the grid label of digit index + 1 after a calculation: the
// bracketed digit on the first line, its repeats on the second ("[1]\n111");
// a digit that does not occur keeps an empty second line.
QString gridCaption(int index);

// Where the labels sit in the grid, South at the top: the label index of
// each cell, row by row from the top left.
const std::array<int, 9> &gridLabelByCell();

// The missing-element text of the result window, Water to Fire: for each
// missing element a bold heading with its name, the plain "Remedial
// Measures: " line and its remedies. No colour is set: the box's own applies.
// Nothing when no element is missing.
ReportRuns missingElementRuns();

// A picture for the cell of an odd digit (the symbol of its element), drawn
// in a square of sizePx pixels on a transparent ground. Even digits, digits
// outside 1..9 and sizes below 1 give a null image.
QImage gridPicture(int digit, int sizePx);

// ---- Report --------------------------------------------------------------------

// The report: name, date of birth and the missing-element text, each with a
// bold magenta caption, its value in plain black and the credit line. The
// missing-element text goes in as given, line breaks and all.
ReportRuns loShuReportRuns(const QString &name, const QString &birthDate,
                           const QString &missingText);

} // namespace tessavo::loshu
