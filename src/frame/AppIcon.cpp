#include "frame/AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tessavo {

QImage applicationIconImage(int sizePx)
{
    QImage image(sizePx, sizePx, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = sizePx;
    const QPointF centre(s / 2, s / 2);

    // Octagon frame.
    QPolygonF octagon;
    for (int i = 0; i < 8; ++i) {
        const double angle = std::numbers::pi / 8 + i * std::numbers::pi / 4;
        octagon << centre + QPointF(std::cos(angle), std::sin(angle)) * (s * 0.48);
    }
    p.setPen(QPen(QColor(128, 0, 0), s * 0.04));
    p.setBrush(QColor(210, 94, 49));
    p.drawPolygon(octagon);

    // Yin-yang disc.
    const double r = s * 0.30;
    const QRectF disc(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(disc);
    QPainterPath dark;
    dark.moveTo(centre.x(), centre.y() - r);
    dark.arcTo(disc, 90, 180);
    dark.arcTo(QRectF(centre.x() - r / 2, centre.y(), r, r), 270, -180);
    dark.arcTo(QRectF(centre.x() - r / 2, centre.y() - r, r, r), 270, 180);
    p.setBrush(Qt::black);
    p.drawPath(dark);
    const double dot = r / 6;
    p.drawEllipse(QPointF(centre.x(), centre.y() + r / 2), dot, dot);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(centre.x(), centre.y() - r / 2), dot, dot);
    p.setPen(QPen(Qt::black, s * 0.015));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(disc);
    return image;
}

QImage toolIconImage(int tool, int sizePx)
{
    QImage image(sizePx, sizePx, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = sizePx;
    const QColor navy(0, 0, 128);
    p.setPen(QPen(navy, std::max(1.0, s / 16)));
    switch (tool) {
    case 0: { // compass
        p.setBrush(QColor(255, 255, 224));
        p.drawEllipse(QRectF(s * 0.08, s * 0.08, s * 0.84, s * 0.84));
        p.setBrush(QColor(200, 0, 0));
        p.drawPolygon(QPolygonF{{s / 2, s * 0.15}, {s * 0.58, s / 2}, {s * 0.42, s / 2}});
        p.setBrush(navy);
        p.drawPolygon(QPolygonF{{s / 2, s * 0.85}, {s * 0.58, s / 2}, {s * 0.42, s / 2}});
        break;
    }
    case 1: { // Lo Shu grid
        p.setBrush(QColor(255, 255, 224));
        const double cell = s * 0.28;
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                p.drawRect(QRectF(s * 0.08 + c * cell, s * 0.08 + r * cell, cell, cell));
        break;
    }
    case 2: { // star
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double radius = (i % 2 == 0 ? 0.45 : 0.18) * s;
            const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
            star << QPointF(s / 2 + radius * std::cos(angle), s / 2 + radius * std::sin(angle));
        }
        p.setBrush(QColor(255, 200, 0));
        p.drawPolygon(star);
        break;
    }
    case 3: { // four pillars
        p.setBrush(QColor(210, 94, 49));
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRectF(s * (0.1 + i * 0.21), s * 0.15, s * 0.13, s * 0.7));
        break;
    }
    default: { // bagua octagon
        QPolygonF octagon;
        for (int i = 0; i < 8; ++i) {
            const double angle = std::numbers::pi / 8 + i * std::numbers::pi / 4;
            octagon << QPointF(s / 2 + 0.45 * s * std::cos(angle), s / 2 + 0.45 * s * std::sin(angle));
        }
        p.setBrush(QColor(0, 128, 0));
        p.drawPolygon(octagon);
        break;
    }
    }
    return image;
}

} // namespace tessavo
