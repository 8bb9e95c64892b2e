#pragma once

#include <QColor>

namespace tessavo {

// Colour n of the classic 16-colour palette the reports are written in.
// An index outside 0..15 gives black rather than failing, so a bad index in
// report data only shows as black text.
QColor qbColor(int index);

} // namespace tessavo
