#pragma once

// The pieces of the plan editor's drawing: the ruler around the plot box,
// and the grey plot box with its grid that draws every element of the plan.

#include "floorplan/PlanModel.h"
#include "platform/Controls.h"

#include <QAccessible>
#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QPainter;

namespace tessavo::floorplan {

// picLocation: the ruler digits "0" to "6" along the four edges of the plot
// box it holds, one at each grid line.
class RulerPanel : public PictureBox {
    Q_OBJECT
public:
    RulerPanel(const QString &name, QWidget *parent, double boxLeft, double boxTop);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double m_boxLeft;
    double m_boxTop;
};

// What the plot shows of one element: its box in pixels of the plot box,
// its colours, border, text and state. The accessors read as those of the
// text box each element once was.
class ShownElement {
public:
    ShownElement() = default;
    // How the element looks on a plot box; a line-shaped entrance or door
    // stays in sight as a line two pixels thick.
    static ShownElement of(const PlanElement &element);

    QRect geometry() const { return m_rect; }
    QPoint pos() const { return m_rect.topLeft(); }
    QColor backColor() const { return m_back; }
    QColor foreColor() const { return m_fore; }
    bool hasBorder() const { return m_border; }
    QString text() const { return m_text; }
    bool isEnabled() const { return m_enabled; }
    bool isVisible() const { return m_visible; }
    // Drawn at all: visible and of some size.
    bool isDrawn() const { return m_visible && !m_rect.isEmpty(); }

    bool operator==(const ShownElement &) const = default;

private:
    QRect m_rect;
    QColor m_back;
    QColor m_fore;
    bool m_border = false;
    QString m_text;
    bool m_enabled = true;
    bool m_visible = false;
};

// picRoomLocation: the grey square with a line at every grid unit of 800
// twips, and every element of the plan drawn on it. The plot keeps what it
// shows of each element and repaints only the elements whose look changed;
// the plan's index finds the elements under a point or a repainted area.
// Later elements lie above earlier ones, and an element brought to the
// front above all. The mouse on an element reaches the handlers as it
// reached the element's own box: a press, moves (the tooltip is the
// element's text), a drop after a drag and a release without one.
//
// The plot alone owns the gesture from a press to its release. A press
// with no other button down starts a new one on the element under the
// pointer, or on none; a press of another button joins the gesture under
// way, and a left drag goes on until the left button comes up. A release
// the plot does not get (a modal window took it, or it went elsewhere), a
// move with no button down, the plot being hidden, a modal window opening
// or a command of the owner cut it off: there is no drop, and an element
// it dragged goes back to where the press found it.
class PlotBox : public PictureBox {
    Q_OBJECT
public:
    struct Handlers {
        std::function<void(int index, Qt::MouseButton button)> mouseDown;
        std::function<void(int index, Qt::MouseButtons buttons)> mouseMove;
        // Where the drag puts the element, twips: its place when the
        // gesture began, moved as far as the pointer since; a drag cut off
        // puts it back at that place.
        std::function<void(int index, double left, double top)> dragTo;
        // The release, after a drag or without one.
        std::function<void(int index)> mouseUp;
    };

    PlotBox(const QString &name, QWidget *parent, const Plan &plan, Handlers handlers);
    ~PlotBox() override;

    // For an owner that goes first: nothing reaches it after.
    void dropHandlers() { m_handlers = Handlers(); }

    // Ends the gesture under way without its release: there is no drop,
    // and an element it dragged goes back to where the press found it. A
    // modal window opening does this, and so does every command of the
    // owner before it reads the plan.
    void cutOffGesture();

    // Follows a change of the plan.
    void elementChanged(int index, Plan::Change change);

    // What the plot shows of element index; null when it is not loaded.
    const ShownElement *shown(int index) const;
    // The topmost drawn element under a point of the plot box, enabled or
    // not; 0 when none.
    int elementAt(QPoint point) const;
    // The visible elements in index order: what assistive technology finds
    // on the plot, one child each.
    const std::vector<int> &visibleElements() const;
    // The place of element index among them; -1 when it is not visible.
    int childPlace(int index) const;
    // The accessible child of a loaded element, made on first use and kept
    // until the element is unloaded.
    QAccessibleInterface *accessibleElement(int index);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // The gesture of the buttons now down: the element that has the mouse
    // (0, none: the plot itself), where the pointer and the element were
    // when the first button went down, whether the left button holds the
    // element and whether it moved since.
    struct Gesture {
        int element = 0;
        QPoint pressedAt;
        double startLeft = 0;
        double startTop = 0;
        bool holding = false;
        bool dragged = false;
    };
    // Ended with nothing to put back: by its release, which the drop
    // follows, or with its element off the plot.
    void endGesture() { m_gesture = Gesture(); }

    void markDirty(const QRect &rect);
    // Loaded elements whose box meets the area, bottom first.
    std::vector<int> stackedIn(const QRect &area) const;
    void drawElement(QPainter &painter, const ShownElement &element) const;
    void tellAssistiveTechnology(int index, QAccessible::Event event);
    // Tells of the elements that appeared since the plot last had news to
    // give, each as it stands now.
    void tellOfComings();
    // Elements coming and going at the end of the plan, as Open and Save's
    // clearing bring them, keep the visible list as it is; one in the middle
    // has it made again when next asked for.
    void becameVisible(int index);
    void becameHidden(int index);

    const Plan &m_plan;
    Handlers m_handlers;
    std::vector<ShownElement> m_shown;
    // Stacking order: the element with the higher stamp lies above.
    std::vector<quint64> m_stamps;
    quint64 m_nextStamp = 0;
    // Repaint requests since the last paint; past a few the whole box is
    // repainted once rather than area by area.
    int m_dirtyAreas = 0;
    bool m_allDirty = false;
    mutable std::vector<int> m_visible;
    mutable std::vector<int> m_places; // by element: its place in m_visible, or -1
    mutable bool m_visibleStale = true;

    // By element: the id of its accessible child, 0 while it has none.
    std::vector<QAccessible::Id> m_accessible;
    // Elements that appeared and are not yet told of, in the order they
    // came; an element whose coming is untold has its flag set.
    std::vector<int> m_comings;
    std::vector<bool> m_comingUntold;
    bool m_comingsPosted = false;

    Gesture m_gesture;
};

} // namespace tessavo::floorplan
