#pragma once

// The Kua number routines that write a result into the result window
// frmFengShuiDetails, loading it when it is not loaded. The numbers, tables
// and texts they show come from KuaCalc.

#include <QString>

namespace tessavo::kua {

// Captions, the eight direction boxes, the colours to wear and to avoid of
// each good direction, then the compass of the good directions as read back
// from their boxes.
void ShowKuaDetails(int kua);

// Colours the compass cells: all white, then one cell per good direction in
// the legend's colours.
void HighlightGoodDirections(const QString &success, const QString &health,
                             const QString &relationships, const QString &personal);

// The text of the element the window shows.
void ShowElementDescription();

// The element, colour and trigram pictures chosen by the window's captions;
// a caption without a picture leaves its image as it was.
void ShowKuaPictures();

} // namespace tessavo::kua
