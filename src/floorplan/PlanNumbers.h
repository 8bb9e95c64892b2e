#pragma once

// How the plan editor reads the numbers typed into its boxes, and the plot
// scale that turns feet into twips of the plot box and back.

#include <QString>

#include <optional>

namespace tessavo::floorplan {

// The longest leading part of the text, after its leading blanks, made of
// digits with at most one decimal point: "12.5.3" and " 12.5" read 12.5,
// "." and "abc" read 0. No sign is part of it.
double leadingNumber(const QString &text);

// Whether the whole text, blanks around it allowed, is a plain number
// ("1", " -0.5 ", "2e1").
bool isNumeric(const QString &text);

// The whole text (blanks around it allowed) as a number, or nothing when it
// is not one: "12.5.3", "." and "" are not.
std::optional<double> toNumber(const QString &text);

// The value as its decimal text of 15 significant digits, read back.
double round15(double value);

// Shortest general decimal form of up to 15 significant digits:
// 10 -> "10", 100 / 6 -> "16.6666666666667".
QString generalNumber(double value);

// Rounds to the nearest whole number, a half to the even neighbour.
double roundHalfEven(double value);

// Feet per grid unit of 800 twips for a plot side typed in feet: the side
// divided by 6. Nothing when the side is not a number greater than 0, since
// every later conversion divides by the scale.
std::optional<double> plotScale(const QString &sideText);

// "[Length Scale is 1 :10]" and "[Width Scale is 1 :5]".
QString lengthScaleCaption(double scale);
QString widthScaleCaption(double scale);

// Twips of the plot box for a real size in feet: feet / scale * 800.
// Nothing when the scale is not above 0 or the result does not fit the
// single-precision twips an element stores.
std::optional<double> feetToTwips(double feet, double scale);

// Feet for a size in twips: twips / 800 * scale.
double twipsToFeet(double twips, double scale);

// One grid unit of the plot box, and the box's side (6 units).
inline constexpr double kGridUnitTwips = 800.0;
inline constexpr double kPlotSideTwips = 4800.0;

} // namespace tessavo::floorplan
