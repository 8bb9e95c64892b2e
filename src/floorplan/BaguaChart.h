#pragma once

// Generate Bagua Chart, the last step of the floor-plan tool: the plan
// editor's button and File menu entry run it.

namespace tessavo {

class Form;

namespace floorplan {

class Plan;

// Whether the picture converter that the chart needs stands in the
// program's folder.
bool companionFilePresent();

// Whitens every element of the plan, finds the rooms' box, lays the nine
// parts over it in frmDisplay, then hides the editor and shows the chart.
// Refuses, with a message, when the companion file is missing, when the plan
// has no element, and when two of its rooms overlap.
void GenerateBaguaChart(Plan &txtRoom, Form *editor);

} // namespace floorplan
} // namespace tessavo
