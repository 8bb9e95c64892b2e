#pragma once

// Window layouts are given in twips (1440 to the inch). One helper turns them
// into pixels by the screen's logical resolution: 15 twips a pixel at 96 dpi.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tessavo::twips {

// Logical dots per inch used for the conversion (96 when no screen is known).
double dpi();
// Overrides the resolution (tests); 0 goes back to the screen's.
void setDpi(double dotsPerInch);

int toPixels(double twips);
double fromPixels(int pixels);

QRect rect(double left, double top, double width, double height);
QSize size(double width, double height);
QPoint point(double left, double top);

// Left edge that centres a window of the given width on a screen of the
// given width, both in twips; the quotient keeps its fraction.
inline double centredLeft(double screenWidth, double windowWidth)
{
    return (screenWidth - windowWidth) / 2.0;
}

} // namespace tessavo::twips
