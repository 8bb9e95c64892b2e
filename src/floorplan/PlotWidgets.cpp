#include "floorplan/PlotWidgets.h"

#include "floorplan/PlanNumbers.h"
#include "floorplan/PlotAccessible.h"
#include "platform/Accessibility.h"
#include "platform/ModalLoops.h"
#include "platform/Twips.h"

#include <QHelpEvent>
#include <QHideEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <utility>

namespace tessavo::floorplan {

namespace {

constexpr int kGridUnits = 6;
// Thickness of an entrance or door of no width or no height.
constexpr int kLineThickness = 2;
// Room a one-line text box leaves left and right of its text.
constexpr int kTextMargin = 2;
// Repaint requests gathered before the whole plot is repainted at once.
constexpr int kMostDirtyAreas = 64;

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

// ---- ShownElement ----------------------------------------------------------

ShownElement ShownElement::of(const PlanElement &element)
{
    ShownElement shown;
    // The edges are held, not the place and the size apart: a room far
    // larger than the plot on both sides still covers it, in sight and
    // under the mouse.
    const int left = clampedPixels(element.left);
    const int top = clampedPixels(element.top);
    int w = clampedPixels(static_cast<double>(element.left) + element.width) - left;
    int h = clampedPixels(static_cast<double>(element.top) + element.height) - top;
    if (w > 0 && h == 0)
        h = kLineThickness;
    else if (h > 0 && w == 0)
        w = kLineThickness;
    // A box takes no size below nothing.
    shown.m_rect = QRect(left, top, std::max(w, 0), std::max(h, 0));
    shown.m_back = element.backColor;
    shown.m_fore = element.foreColor;
    shown.m_border = element.borderStyle == 1;
    shown.m_text = element.text;
    shown.m_enabled = element.enabled;
    shown.m_visible = element.visible;
    return shown;
}

// ---- PlotBox ---------------------------------------------------------------

PlotBox::PlotBox(const QString &name, QWidget *parent, const Plan &plan, Handlers handlers)
    : PictureBox(name, parent), m_plan(plan), m_handlers(std::move(handlers))
{
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    setPalette(grey);
    setVerdana(this, 8.25);
    installPlotAccessibility();
    // A modal window takes the release that would have ended a gesture.
    connect(&ModalLoops::instance(), &ModalLoops::started, this, [this] { cutOffGesture(); });
    // Element 0, the template, is loaded with the plan and never shown.
    for (int i = 0; i <= plan.upperBound(); ++i) {
        m_shown.push_back(ShownElement::of(plan.at(i)));
        m_stamps.push_back(++m_nextStamp);
        m_places.push_back(-1);
        m_accessible.push_back(0);
        m_comingUntold.push_back(false);
    }
}

PlotBox::~PlotBox()
{
    for (const QAccessible::Id id : m_accessible) {
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
    }
}

const ShownElement *PlotBox::shown(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_shown.size()))
        return nullptr;
    return &m_shown[static_cast<std::size_t>(index)];
}

void PlotBox::elementChanged(int index, Plan::Change change)
{
    const auto at = static_cast<std::size_t>(index);
    switch (change) {
    case Plan::Change::Loaded:
        m_shown.push_back(ShownElement::of(m_plan.at(index)));
        m_stamps.push_back(++m_nextStamp);
        m_places.push_back(-1);
        m_accessible.push_back(0);
        m_comingUntold.push_back(false);
        if (m_shown.back().isVisible()) {
            becameVisible(index);
            markDirty(m_shown.back().geometry());
            tellAssistiveTechnology(index, QAccessible::ObjectCreated);
        }
        break;
    case Plan::Change::Changed: {
        if (at >= m_shown.size())
            return;
        ShownElement now = ShownElement::of(m_plan.at(index));
        ShownElement &was = m_shown[at];
        if (now == was)
            return;
        if (was.isVisible())
            markDirty(was.geometry());
        if (now.isVisible())
            markDirty(now.geometry());
        const bool appeared = now.isVisible() && !was.isVisible();
        const bool vanished = was.isVisible() && !now.isVisible();
        const bool stays = now.isVisible() && was.isVisible();
        const bool intoSight = stays && now.isDrawn() && !was.isDrawn();
        const bool outOfSight = stays && was.isDrawn() && !now.isDrawn();
        const bool renamed = stays && now.text() != was.text();
        const bool moved = stays && now.geometry() != was.geometry();
        // Nobody drags what left the plot or stopped taking the mouse.
        if (index == m_gesture.element && (vanished || !now.isEnabled()))
            endGesture();
        // A vanishing element is told of while it is still a child.
        if (vanished)
            tellAssistiveTechnology(index, QAccessible::ObjectDestroyed);
        was = std::move(now);
        if (appeared)
            becameVisible(index);
        if (vanished)
            becameHidden(index);
        if (appeared)
            tellAssistiveTechnology(index, QAccessible::ObjectCreated);
        // A retired element stays a child, out of sight.
        if (intoSight || outOfSight)
            tellAssistiveTechnology(index,
                                    intoSight ? QAccessible::ObjectShow : QAccessible::ObjectHide);
        if (renamed)
            tellAssistiveTechnology(index, QAccessible::NameChanged);
        if (moved)
            tellAssistiveTechnology(index, QAccessible::LocationChanged);
        break;
    }
    case Plan::Change::Raised:
        if (at >= m_shown.size())
            return;
        m_stamps[at] = ++m_nextStamp;
        markDirty(m_shown[at].geometry());
        break;
    case Plan::Change::Unloaded:
        if (at + 1 != m_shown.size())
            return;
        if (index == m_gesture.element)
            endGesture();
        if (m_shown.back().isVisible()) {
            markDirty(m_shown.back().geometry());
            tellAssistiveTechnology(index, QAccessible::ObjectDestroyed);
            becameHidden(index);
        }
        if (m_accessible.back() != 0)
            QAccessible::deleteAccessibleInterface(m_accessible.back());
        m_shown.pop_back();
        m_stamps.pop_back();
        m_places.pop_back();
        m_accessible.pop_back();
        m_comingUntold.pop_back();
        break;
    }
}

void PlotBox::markDirty(const QRect &rect)
{
    if (rect.isEmpty() || m_allDirty || !rect.intersects(this->rect()))
        return;
    if (++m_dirtyAreas > kMostDirtyAreas) {
        m_allDirty = true;
        update();
        return;
    }
    update(rect);
}

std::vector<int> PlotBox::stackedIn(const QRect &area) const
{
    std::vector<int> found;
    const auto meets = [&](int i) {
        const ShownElement &e = m_shown[static_cast<std::size_t>(i)];
        return e.isDrawn() && e.geometry().intersects(area);
    };
    // A large area holds most elements: looking at each is quicker than
    // gathering them bucket by bucket.
    if (area.width() * area.height() * 4 > width() * height()) {
        for (int i = 1; i < static_cast<int>(m_shown.size()); ++i) {
            if (meets(i))
                found.push_back(i);
        }
    } else {
        // Lines stand out of their twips by up to their thickness.
        const double margin = twips::fromPixels(kLineThickness + 1);
        const TwipsArea twipsArea{twips::fromPixels(area.left()) - margin,
                                  twips::fromPixels(area.top()) - margin,
                                  twips::fromPixels(area.right() + 1) + margin,
                                  twips::fromPixels(area.bottom() + 1) + margin};
        for (int i : m_plan.near(twipsArea)) {
            if (i < static_cast<int>(m_shown.size()) && meets(i))
                found.push_back(i);
        }
    }
    std::sort(found.begin(), found.end(), [this](int a, int b) {
        return m_stamps[static_cast<std::size_t>(a)] < m_stamps[static_cast<std::size_t>(b)];
    });
    return found;
}

int PlotBox::elementAt(QPoint point) const
{
    const std::vector<int> under = stackedIn(QRect(point, QSize(1, 1)));
    for (auto i = under.rbegin(); i != under.rend(); ++i) {
        if (m_shown[static_cast<std::size_t>(*i)].geometry().contains(point))
            return *i;
    }
    return 0;
}

const std::vector<int> &PlotBox::visibleElements() const
{
    if (m_visibleStale) {
        m_visible.clear();
        std::fill(m_places.begin(), m_places.end(), -1);
        for (int i = 1; i < static_cast<int>(m_shown.size()); ++i) {
            if (m_shown[static_cast<std::size_t>(i)].isVisible()) {
                m_places[static_cast<std::size_t>(i)] = static_cast<int>(m_visible.size());
                m_visible.push_back(i);
            }
        }
        m_visibleStale = false;
    }
    return m_visible;
}

int PlotBox::childPlace(int index) const
{
    visibleElements();
    if (index < 1 || index >= static_cast<int>(m_places.size()))
        return -1;
    return m_places[static_cast<std::size_t>(index)];
}

void PlotBox::becameVisible(int index)
{
    if (m_visibleStale || (!m_visible.empty() && m_visible.back() > index)) {
        m_visibleStale = true;
        return;
    }
    m_places[static_cast<std::size_t>(index)] = static_cast<int>(m_visible.size());
    m_visible.push_back(index);
}

void PlotBox::becameHidden(int index)
{
    if (m_visibleStale || m_visible.empty() || m_visible.back() != index) {
        m_visibleStale = true;
        return;
    }
    m_visible.pop_back();
    m_places[static_cast<std::size_t>(index)] = -1;
}

void PlotBox::paintEvent(QPaintEvent *event)
{
    m_dirtyAreas = 0;
    m_allDirty = false;
    QPainter painter(this);
    painter.setPen(QColor(160, 160, 160));
    const int unit = twips::toPixels(kGridUnitTwips);
    for (int i = 1; i < kGridUnits; ++i) {
        painter.drawLine(i * unit, 0, i * unit, height());
        painter.drawLine(0, i * unit, width(), i * unit);
    }
    const QRegion &region = event->region();
    for (int i : stackedIn(event->rect())) {
        const ShownElement &e = m_shown[static_cast<std::size_t>(i)];
        if (region.intersects(e.geometry()))
            drawElement(painter, e);
    }
}

void PlotBox::drawElement(QPainter &painter, const ShownElement &element) const
{
    const QRect box = element.geometry();
    painter.fillRect(box, element.backColor());
    QRect inside = box;
    if (element.hasBorder()) {
        // A single black line just inside the box, as the text boxes had.
        const QColor black(0, 0, 0);
        painter.fillRect(box.left(), box.top(), box.width(), 1, black);
        painter.fillRect(box.left(), box.bottom(), box.width(), 1, black);
        painter.fillRect(box.left(), box.top(), 1, box.height(), black);
        painter.fillRect(box.right(), box.top(), 1, box.height(), black);
        inside = box.adjusted(1, 1, -1, -1);
    }
    // Text in the colour of the background cannot be seen: the usual case,
    // since a selection sets both.
    if (element.text().isEmpty() || element.foreColor() == element.backColor() || inside.isEmpty())
        return;
    // Laid out as a one-line text box lays it out: two pixels in from the
    // left, centred in height, and, when it does not fit, its end in sight,
    // as after the text was set.
    const QFontMetrics metrics(font());
    const int top = inside.top() + (inside.height() - metrics.height() + 1) / 2;
    const QRect line(inside.left() + kTextMargin, top, inside.width() - 2 * kTextMargin,
                     metrics.height());
    const int textWidth = metrics.horizontalAdvance(element.text());
    const int x = textWidth + 1 <= line.width() ? line.left() : line.right() - textWidth;
    painter.save();
    painter.setClipRect(inside, Qt::IntersectClip);
    painter.setPen(element.foreColor());
    painter.drawText(x, line.top() + metrics.ascent(), element.text());
    painter.restore();
}

bool PlotBox::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int k = elementAt(help->pos());
        const ShownElement *element = shown(k);
        // An element without text, a door, shows the plot's own tooltip,
        // which goes as the pointer leaves the door, as it went when the
        // door was a box of its own.
        if (k > 0) {
            const QString text = element->text().isEmpty() ? toolTip() : element->text();
            QToolTip::showText(help->globalPos(), text, this, element->geometry());
            return true;
        }
    }
    return PictureBox::event(event);
}

void PlotBox::hideEvent(QHideEvent *event)
{
    // A hidden plot gets no release.
    cutOffGesture();
    PictureBox::hideEvent(event);
}

void PlotBox::mousePressEvent(QMouseEvent *event)
{
    // With no other button down, any gesture still open lost its release.
    if ((event->buttons() & ~event->button()) == Qt::NoButton) {
        cutOffGesture();
        const int k = elementAt(event->position().toPoint());
        // A disabled element takes no mouse; the plot behind it does.
        if (k > 0 && shown(k)->isEnabled()) {
            m_gesture.element = k;
            m_gesture.pressedAt = event->globalPosition().toPoint();
            m_gesture.startLeft = m_plan.at(k).left;
            m_gesture.startTop = m_plan.at(k).top;
            m_gesture.holding = event->button() == Qt::LeftButton;
        }
    }
    const int k = m_gesture.element;
    if (k == 0) {
        PictureBox::mousePressEvent(event);
        return;
    }
    event->accept();
    // Another button pressed during a drag neither forgets the drag nor
    // starts one: should its handler open a box, the box cuts the gesture
    // off and the dragged element goes back.
    if (m_handlers.mouseDown)
        m_handlers.mouseDown(k, event->button());
}

void PlotBox::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::NoButton)
        cutOffGesture();
    // While a button is down the pressed element has the mouse, wherever it goes.
    int k = m_gesture.element;
    if (k == 0) {
        k = elementAt(event->position().toPoint());
        if (k == 0 || !shown(k)->isEnabled()) {
            PictureBox::mouseMoveEvent(event);
            return;
        }
    }
    event->accept();
    if (m_handlers.mouseMove)
        m_handlers.mouseMove(k, event->buttons());
    if (k != m_gesture.element || !m_gesture.holding || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint offset = event->globalPosition().toPoint() - m_gesture.pressedAt;
    if (offset.isNull() && !m_gesture.dragged)
        return;
    m_gesture.dragged = true;
    if (m_handlers.dragTo)
        m_handlers.dragTo(k, m_gesture.startLeft + twips::fromPixels(offset.x()),
                          m_gesture.startTop + twips::fromPixels(offset.y()));
}

void PlotBox::mouseReleaseEvent(QMouseEvent *event)
{
    const int k = m_gesture.element;
    if (event->buttons() == Qt::NoButton)
        endGesture();
    if (k == 0) {
        PictureBox::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    // Only the left button ends a drag; until then no drop.
    if (m_gesture.holding && event->button() != Qt::LeftButton)
        return;
    m_gesture.holding = false;
    m_gesture.dragged = false;
    // The drop: the element's mouse-up runs the overlap step.
    if (m_handlers.mouseUp)
        m_handlers.mouseUp(k);
}

void PlotBox::cutOffGesture()
{
    const Gesture was = std::exchange(m_gesture, Gesture());
    // The plan changes by whole gestures only: a room left where a lost
    // release found it would skip the overlap step of its drop.
    if (was.dragged && m_handlers.dragTo)
        m_handlers.dragTo(was.element, was.startLeft, was.startTop);
}

QAccessibleInterface *PlotBox::accessibleElement(int index)
{
    if (!shown(index) || index < 1)
        return nullptr;
    QAccessible::Id &id = m_accessible[static_cast<std::size_t>(index)];
    if (id != 0)
        return QAccessible::accessibleInterface(id);
    QAccessibleInterface *element = makeElementAccessible(this, index);
    id = QAccessible::registerAccessibleInterface(element);
    return element;
}

void PlotBox::tellAssistiveTechnology(int index, QAccessible::Event event)
{
    // While nobody listens nothing is made or sent, however large the plan.
    if (!accessibilityActive())
        return;
    const auto at = static_cast<std::size_t>(index);
    // An element is told of once the handler that brought it is done: Open
    // and Add Room make it visible before they give it its text and its
    // place, and a reader would hear of it nameless, then of every step.
    if (event == QAccessible::ObjectCreated) {
        if (!m_comingUntold[at]) {
            m_comingUntold[at] = true;
            m_comings.push_back(index);
        }
        if (!m_comingsPosted) {
            m_comingsPosted = true;
            QMetaObject::invokeMethod(this, &PlotBox::tellOfComings, Qt::QueuedConnection);
        }
        return;
    }
    // Until then its coming, when told, tells it as it is; if it goes
    // first, neither is news.
    if (m_comingUntold[at]) {
        if (event == QAccessible::ObjectDestroyed)
            m_comingUntold[at] = false;
        return;
    }
    // Elements going, into sight and out of it, are news for every reader;
    // other changes only for the elements it has looked at.
    const bool comesOrGoes = event == QAccessible::ObjectDestroyed ||
                             event == QAccessible::ObjectShow || event == QAccessible::ObjectHide;
    if (!comesOrGoes && m_accessible[at] == 0)
        return;
    if (QAccessibleInterface *element = accessibleElement(index)) {
        QAccessibleEvent news(element, event);
        announce(&news);
    }
}

void PlotBox::tellOfComings()
{
    m_comingsPosted = false;
    const std::vector<int> comings = std::exchange(m_comings, {});
    const bool listened = accessibilityActive();
    for (const int index : comings) {
        const auto at = static_cast<std::size_t>(index);
        if (at >= m_comingUntold.size() || !m_comingUntold[at])
            continue;
        m_comingUntold[at] = false;
        if (!listened)
            continue;
        if (QAccessibleInterface *element = accessibleElement(index)) {
            QAccessibleEvent news(element, QAccessible::ObjectCreated);
            announce(&news);
        }
    }
}

} // namespace tessavo::floorplan
