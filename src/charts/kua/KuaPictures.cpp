#include "charts/kua/KuaPictures.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace tessavo::kua {

using namespace Qt::StringLiterals;

namespace {

// Lines of each trigram from the bottom up: true is a solid (yang) line,
// false a broken (yin) one.
using Trigram = std::array<bool, 3>;

const QHash<QString, Trigram> &trigramLines()
{
    static const QHash<QString, Trigram> lines = {
        {u"Chien"_s, {true, true, true}},  {u"Kun"_s, {false, false, false}},
        {u"Chen"_s, {true, false, false}}, {u"Kan"_s, {false, true, false}},
        {u"Ken"_s, {false, false, true}},  {u"Sun"_s, {false, true, true}},
        {u"Li"_s, {true, false, true}},    {u"Tui"_s, {true, true, false}},
    };
    return lines;
}

const QHash<QString, QColor> &swatchColours()
{
    static const QHash<QString, QColor> colours = {
        {u"Black"_s, QColor(0x10, 0x10, 0x10)},     {u"Blue"_s, QColor(0x1f, 0x4f, 0xbf)},
        {u"Green"_s, QColor(0x2e, 0x8b, 0x3a)},     {u"Grey"_s, QColor(0x8c, 0x8c, 0x8c)},
        {u"Off White"_s, QColor(0xf5, 0xef, 0xdc)}, {u"Orange"_s, QColor(0xf2, 0x8c, 0x28)},
        {u"Purple"_s, QColor(0x7b, 0x3f, 0xa0)},    {u"Red"_s, QColor(0xd2, 0x2b, 0x2b)},
        {u"White"_s, QColor(0xff, 0xff, 0xff)},
    };
    return colours;
}

QImage blankImage(int sizePx)
{
    QImage image(sizePx, sizePx, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void drawTrigram(QPainter &p, const Trigram &lines, double size)
{
    const double margin = size * 0.15;
    const double width = size - 2 * margin;
    const double thickness = size * 0.14;
    const double gap = (size - 2 * margin - 3 * thickness) / 2;
    const double breakWidth = width * 0.2;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x20, 0x20));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // Read from the bottom: line 0 lies lowest.
        const double top = size - margin - thickness - static_cast<double>(i) * (thickness + gap);
        if (lines[i]) {
            p.drawRect(QRectF(margin, top, width, thickness));
        } else {
            const double half = (width - breakWidth) / 2;
            p.drawRect(QRectF(margin, top, half, thickness));
            p.drawRect(QRectF(margin + half + breakWidth, top, half, thickness));
        }
    }
}

void drawSwatch(QPainter &p, const QColor &colour, double size)
{
    const double margin = size * 0.1;
    const double radius = size * 0.12;
    // A thin grey border keeps white and off-white visible on a light window.
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), std::max(1.0, size / 48)));
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(margin, margin, size - 2 * margin, size - 2 * margin), radius, radius);
}

void drawWater(QPainter &p, double size)
{
    QPen pen(QColor(0x1b, 0x4f, 0x9c), size * 0.08, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const double left = size * 0.12;
    const double right = size * 0.88;
    const double amplitude = size * 0.07;
    for (int row = 0; row < 3; ++row) {
        const double y = size * (0.3 + 0.2 * row);
        QPainterPath wave(QPointF(left, y));
        const double step = (right - left) / 4;
        for (int k = 0; k < 4; ++k) {
            const double x = left + step * k;
            const double dy = (k % 2 == 0) ? -amplitude : amplitude;
            wave.quadTo(QPointF(x + step / 2, y + 2 * dy), QPointF(x + step, y));
        }
        p.drawPath(wave);
    }
}

void drawFire(QPainter &p, double size)
{
    QPainterPath flame(QPointF(size * 0.5, size * 0.08));
    flame.cubicTo(QPointF(size * 0.62, size * 0.35), QPointF(size * 0.85, size * 0.5),
                  QPointF(size * 0.8, size * 0.72));
    flame.cubicTo(QPointF(size * 0.75, size * 0.9), QPointF(size * 0.25, size * 0.9),
                  QPointF(size * 0.2, size * 0.72));
    flame.cubicTo(QPointF(size * 0.15, size * 0.5), QPointF(size * 0.38, size * 0.35),
                  QPointF(size * 0.5, size * 0.08));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd8, 0x34, 0x2c));
    p.drawPath(flame);
    QPainterPath core(QPointF(size * 0.5, size * 0.45));
    core.cubicTo(QPointF(size * 0.6, size * 0.6), QPointF(size * 0.66, size * 0.7),
                 QPointF(size * 0.6, size * 0.8));
    core.lineTo(QPointF(size * 0.4, size * 0.8));
    core.cubicTo(QPointF(size * 0.34, size * 0.7), QPointF(size * 0.4, size * 0.6),
                 QPointF(size * 0.5, size * 0.45));
    p.setBrush(QColor(0xf6, 0xb2, 0x2a));
    p.drawPath(core);
}

void drawWood(QPainter &p, double size)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7a, 0x4e, 0x26));
    p.drawRect(QRectF(size * 0.44, size * 0.55, size * 0.12, size * 0.35));
    QPainterPath crown;
    crown.moveTo(size * 0.5, size * 0.08);
    crown.lineTo(size * 0.82, size * 0.62);
    crown.lineTo(size * 0.18, size * 0.62);
    crown.closeSubpath();
    p.setBrush(QColor(0x3a, 0x8c, 0x3a));
    p.drawPath(crown);
}

void drawMetal(QPainter &p, double size)
{
    // A round coin with a square hole.
    QPainterPath coin;
    coin.addEllipse(QRectF(size * 0.12, size * 0.12, size * 0.76, size * 0.76));
    QPainterPath hole;
    hole.addRect(QRectF(size * 0.4, size * 0.4, size * 0.2, size * 0.2));
    p.setPen(QPen(QColor(0x6e, 0x6e, 0x78), std::max(1.0, size / 32)));
    p.setBrush(QColor(0xb8, 0xb8, 0xc2));
    p.drawPath(coin.subtracted(hole));
}

void drawEarth(QPainter &p, double size)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xb8, 0x86, 0x2b));
    p.drawRect(QRectF(size * 0.15, size * 0.55, size * 0.7, size * 0.3));
    QPainterPath mountain;
    mountain.moveTo(size * 0.15, size * 0.55);
    mountain.lineTo(size * 0.4, size * 0.2);
    mountain.lineTo(size * 0.55, size * 0.4);
    mountain.lineTo(size * 0.65, size * 0.3);
    mountain.lineTo(size * 0.85, size * 0.55);
    mountain.closeSubpath();
    p.setBrush(QColor(0x8c, 0x62, 0x1e));
    p.drawPath(mountain);
}

bool drawElement(QPainter &p, const QString &key, double size)
{
    if (key == u"Water")
        drawWater(p, size);
    else if (key == u"Fire")
        drawFire(p, size);
    else if (key == u"Wood")
        drawWood(p, size);
    else if (key == u"Metal")
        drawMetal(p, size);
    else if (key == u"Earth")
        drawEarth(p, size);
    else
        return false;
    return true;
}

} // namespace

QImage kuaPicture(PictureList list, const QString &key, int sizePx)
{
    if (sizePx < 1 || !pictureIndex(list, key))
        return {};
    QImage image = blankImage(sizePx);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double size = sizePx;
    bool drawn = false;
    switch (list) {
    case PictureList::Trigrams:
        if (const auto it = trigramLines().constFind(key); it != trigramLines().constEnd()) {
            drawTrigram(p, *it, size);
            drawn = true;
        }
        break;
    case PictureList::Colours:
        if (const auto it = swatchColours().constFind(key); it != swatchColours().constEnd()) {
            drawSwatch(p, *it, size);
            drawn = true;
        }
        break;
    case PictureList::Elements:
        drawn = drawElement(p, key, size);
        break;
    }
    p.end();
    return drawn ? image : QImage();
}

} // namespace tessavo::kua
