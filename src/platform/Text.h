#pragma once

#include <QString>

namespace tessavo {

// Removes leading and trailing blanks: spaces only, so line breaks and tabs
// typed into a box stay part of its text.
QString trimSpaces(const QString &text);

} // namespace tessavo
