#pragma once

#include <QImage>

namespace tessavo {

// The program's icon, drawn in code: an eight-sided bagua frame around a
// yin-yang disc.
QImage applicationIconImage(int sizePx);

// The small picture beside each tool button (tool index 0 to 4): a compass,
// the Lo Shu grid, a star, four pillars and the bagua octagon.
QImage toolIconImage(int tool, int sizePx);

} // namespace tessavo
