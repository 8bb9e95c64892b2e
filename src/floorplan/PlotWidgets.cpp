#include "floorplan/PlotWidgets.h"

#include "floorplan/PlanModel.h"
#include "floorplan/PlanNumbers.h"
#include "platform/Twips.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tessavo::floorplan {

namespace {

constexpr int kGridUnits = 6;

// Pixels for a stored twips value, held inside what a widget can take.
int clampedPixels(double twips)
{
    const double pixels = twips * twips::dpi() / 1440.0;
    constexpr double kLimit = 1 << 20;
    return static_cast<int>(std::lround(std::clamp(pixels, -kLimit, kLimit)));
}

} // namespace

RulerPanel::RulerPanel(const QString &name, QWidget *parent, double boxLeft, double boxTop)
    : PictureBox(name, parent), m_boxLeft(boxLeft), m_boxTop(boxTop)
{
}

void RulerPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(font());
    const int left = twips::toPixels(m_boxLeft);
    const int top = twips::toPixels(m_boxTop);
    const int unit = twips::toPixels(kGridUnitTwips);
    const int side = twips::toPixels(kPlotSideTwips);
    for (int i = 0; i <= kGridUnits; ++i) {
        const QString digit = QString::number(i);
        const int w = metrics.horizontalAdvance(digit);
        const int h = metrics.ascent();
        const int along = i * unit;
        // Top and bottom edges.
        painter.drawText(left + along - w / 2, top - 4, digit);
        painter.drawText(left + along - w / 2, top + side + h + 6, digit);
        // Left and right edges.
        painter.drawText(left - w - 6, top + along + h / 2, digit);
        painter.drawText(left + side + 6, top + along + h / 2, digit);
        // A tick at each grid line outside the box.
        painter.drawLine(left + along, top - 3, left + along, top);
        painter.drawLine(left + along, top + side, left + along, top + side + 3);
        painter.drawLine(left - 3, top + along, left, top + along);
        painter.drawLine(left + side, top + along, left + side + 3, top + along);
    }
}

PlotBox::PlotBox(const QString &name, QWidget *parent) : PictureBox(name, parent)
{
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    setPalette(grey);
}

void PlotBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QColor(160, 160, 160));
    const int unit = twips::toPixels(kGridUnitTwips);
    for (int i = 1; i < kGridUnits; ++i) {
        painter.drawLine(i * unit, 0, i * unit, height());
        painter.drawLine(0, i * unit, width(), i * unit);
    }
}

ElementBox::ElementBox(int index, QWidget *parent, Handlers handlers)
    : QLineEdit(parent), m_index(index), m_handlers(std::move(handlers))
{
    setObjectName(arrayName(QStringLiteral("txtRoom"), index));
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
    setCursor(Qt::ArrowCursor);
    setMouseTracking(true);
    setFrame(false);
    setTextMargins(0, 0, 0, 0);
    setVerdana(this, 8.25);
}

void ElementBox::showElement(const PlanElement &element)
{
    int w = clampedPixels(element.width);
    int h = clampedPixels(element.height);
    // A line-shaped entrance or door stays in sight as a thin line.
    if (w > 0 && h == 0)
        h = 2;
    else if (h > 0 && w == 0)
        w = 2;
    setGeometry(clampedPixels(element.left), clampedPixels(element.top), w, h);
    setStyleSheet(QStringLiteral("QLineEdit { background-color: %1; color: %2; border: %3; "
                                 "padding: 0px; }")
                      .arg(element.backColor.name(), element.foreColor.name(),
                           element.borderStyle == 1 ? QStringLiteral("1px solid black")
                                                    : QStringLiteral("none")));
    if (text() != element.text)
        setText(element.text);
    setToolTip(element.text);
    setEnabled(element.enabled);
    setVisible(element.visible);
}

void ElementBox::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    m_pressedAt = event->globalPosition().toPoint();
    m_holding = event->button() == Qt::LeftButton;
    m_dragged = false;
    if (m_handlers.mouseDown)
        m_handlers.mouseDown(event->button());
}

void ElementBox::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    if (m_handlers.mouseMove)
        m_handlers.mouseMove(event->buttons());
    if (!m_holding || event->buttons() != Qt::LeftButton)
        return;
    const QPoint offset = event->globalPosition().toPoint() - m_pressedAt;
    if (offset.isNull() && !m_dragged)
        return;
    m_dragged = true;
    if (m_handlers.dragTo)
        m_handlers.dragTo(twips::fromPixels(offset.x()), twips::fromPixels(offset.y()));
}

void ElementBox::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const bool dropped = m_holding && m_dragged;
    m_holding = false;
    m_dragged = false;
    if (dropped) {
        if (m_handlers.dropped)
            m_handlers.dropped();
    } else if (m_handlers.mouseUp) {
        m_handlers.mouseUp();
    }
}

void ElementBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A second press, as the window sees it.
    mousePressEvent(event);
}

} // namespace tessavo::floorplan
