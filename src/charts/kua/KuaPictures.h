#pragma once

// The pictures of the result window's three picture lists, drawn in code so
// that no image files ship with the program. Drawing needs no application
// object, so the pictures can be made and checked anywhere.

#include "charts/kua/KuaCalc.h"

#include <QImage>
#include <QString>

namespace tessavo::kua {

// A square picture of sizePx pixels with a transparent background for a key
// of the given list (pictureKeys): a trigram as its three lines, a colour as
// a swatch, an element as its symbol. A key not in the list, or a size below
// 1, gives a null image.
QImage kuaPicture(PictureList list, const QString &key, int sizePx);

} // namespace tessavo::kua
