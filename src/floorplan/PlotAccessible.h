#pragma once

// What assistive technology finds on the plan editor's plot box: the plot,
// and one child for each visible element, read as the element's own text
// box was read: an editable-text role, read-only, its text as name, value
// and description, and its place on the screen.

class QAccessibleInterface;

namespace tessavo::floorplan {

class PlotBox;

// Puts the plot's interface in force for every PlotBox; once is enough.
void installPlotAccessibility();

// A new interface for element index of the plot; the plot registers it and
// keeps it until the element goes.
QAccessibleInterface *makeElementAccessible(PlotBox *plot, int index);

} // namespace tessavo::floorplan
