#pragma once

#include "platform/RichTextBox.h"

#include <QPoint>
#include <QRect>
#include <QTextCursor>

namespace tessavo::test {

// The middle of the character at a document position, in viewport pixels.
inline QPoint pointOf(const RichTextBox &box, int position)
{
    QTextCursor c(box.document());
    c.setPosition(position);
    const QRect left = box.cursorRect(c);
    c.setPosition(position + 1);
    const QRect right = box.cursorRect(c);
    return QPoint((left.x() + right.x()) / 2, left.center().y());
}

} // namespace tessavo::test
