#pragma once

// The Ba Zi routines that work out the four pillars from the module data and
// write them into the result window frmFengShuiFourPillar, loading it when it
// is not loaded. The input window calls them in this order, each once per
// calculation: each pillar needs the one before it (the month the year stem,
// the day count the year branch, the hour the day stem). The pillars and
// their breakdown come from BaZiCalc.

#include <QtGlobal>

namespace tessavo::bazi {

// Year stem and branch of the year, into the module and lblResult(0..1).
void CalcYearPillar(qint16 &year);
// Month stem and branch from the year stem and the birth month;
// lblResult(2..3). A year stem outside the ten leaves them as they were.
void CalcMonthPillar();
// DayNumber from the birth date and the year branch.
void CalcDayNumber();
// Day stem and branch of the day count; lblResult(4..5).
void CalcDayPillar(qint16 &dayNumber);
// Hour stem and branch from the birth hour, its mark and the day stem;
// lblResult(6..7).
void CalcHourPillar();
// The five lines of each pillar into the module and the line labels, the
// interpretation entries into the module and each pillar's paragraphs into
// its interpretation box.
void ShowPillarElements();

} // namespace tessavo::bazi
