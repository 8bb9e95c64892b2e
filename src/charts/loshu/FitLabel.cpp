#include "charts/loshu/FitLabel.h"

#include <QLabel>

namespace tessavo::loshu {

namespace {

bool fits(const QLabel *label)
{
    if (label->wordWrap())
        return label->heightForWidth(label->width()) <= label->height();
    const QSize hint = label->sizeHint();
    return hint.width() <= label->width() && hint.height() <= label->height();
}

} // namespace

void shrinkToFit(QLabel *label, double minPoints)
{
    QFont font = label->font();
    while (!fits(label) && font.pointSizeF() - 0.25 >= minPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        label->setFont(font);
    }
}

} // namespace tessavo::loshu
