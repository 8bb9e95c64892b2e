#pragma once

// What happens to the plan when the user works on it, apart from the
// windows: making and retiring elements, selection, the overlap test of a
// dropped room, and the test that an entrance lies inside another element.

#include "floorplan/PlanModel.h"

#include <optional>

namespace tessavo::floorplan {

// Makes a new element: loads the next index from the template, then gives it
// its place, size and text, border style 1, shows it and brings it to the
// front. Nothing when the array is full.
std::optional<int> addElement(Plan &plan, const QString &text, double left, double top,
                              double width, double height);

// Retired forms. A room keeps its name and ends white; an entrance and a
// door take a marker text and keep the retired colour.
void retireRoom(Plan &plan, int index);
void retireEntrance(Plan &plan, int index);
void retireDoor(Plan &plan, int index);

// A press on element k with any button but the right one alone: k takes the
// selection colour, every other element white; its size in feet and its kind
// go into the module data and the editor's RoomSelected.
void selectElement(Plan &plan, int k, GreatFengShuiModule &module, BaguaEditorFields &fields);

// Whether room k, where it lies, counts as lying over element i. Samples of
// k's edges and middle are tested strictly inside i's bounds, both in whole
// twips, so rooms that share an edge do not overlap and an element never
// meets itself, at any resolution.
bool elementHits(const PlanElement &k, const PlanElement &i);

// The first element (index order, 1 up) that room k lies over.
std::optional<int> firstOverlap(const Plan &plan, int k);

// The step that runs after element k was clicked or dropped. For an
// entrance or door it only clears EntranceOrDoorGrabbed; for a room it sets
// RoomsOverlap. True when an overlap is to be reported.
bool overlapStep(const Plan &plan, int k, GreatFengShuiModule &module);

// Whether entrance e lies inside element j, every bound inclusive; the
// edges of both are taken to whole twips alike, so an element lies inside
// itself and an entrance on its room's edge inside the room at any
// resolution.
bool liesInside(const PlanElement &e, const PlanElement &j);

// What Save and Generate Bagua Chart decide is read off the plan as it
// stands, never off a flag that an earlier plan, a drop or a visit may have
// left.

// Whether an element of the plan (1 up) bears exactly this text: an
// entrance by its text, a door by the empty text.
bool planBears(const Plan &plan, const QString &text);

// Save's test for one entrance kind: every element that bears the entrance
// text lies inside some element that does not bear it.
bool entranceInsideTest(const Plan &plan, const QString &entranceText);

// Whether the insides of two rooms meet: their areas share more than an
// edge. What has no area meets nothing: an entrance, a door, a room of no
// width or height (a deleted one among them).
bool roomsMeet(const PlanElement &a, const PlanElement &b);

// Whether any two rooms of the plan meet. Unlike the test of a dropped
// room, it sees a room over its exact twin and a large room over a small
// one.
bool planHasOverlappingRooms(const Plan &plan);

} // namespace tessavo::floorplan
