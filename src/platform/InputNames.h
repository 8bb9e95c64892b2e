#pragma once

// The names a screen reader says for the program's inputs. A reader tells
// the user which box they are in by its accessible name, so every input is
// named by the caption that says what it is for, never by what it holds.

#include <QString>

class QWidget;

namespace tessavo {

// Names an input after its caption ("List Of Rooms"), or after its caption
// and the part of it that the input holds, where several inputs share one
// caption ("Birth Day, month").
void nameAfterCaption(QWidget *input, const QString &caption, const QString &part = QString());

// From here on a drop-down list is named as any other input is (its own
// name, else the caption whose buddy it is, else its frame's caption), and
// the entry it shows is its value and its text. Qt on Linux names such a
// list by the entry it shows, so the month list read "February".
void installListNames();

} // namespace tessavo
