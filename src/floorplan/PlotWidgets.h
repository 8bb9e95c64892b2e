#pragma once

// The pieces of the plan editor's drawing: the ruler around the plot box,
// the grey plot box with its grid, and the box of one plan element, which
// follows the mouse while the left button holds it.

#include "platform/Controls.h"

#include <QLineEdit>
#include <QPoint>

#include <functional>

namespace tessavo::floorplan {

struct PlanElement;

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

// picRoomLocation: the grey square that holds the elements, with a line at
// every grid unit of 800 twips.
class PlotBox : public PictureBox {
    Q_OBJECT
public:
    PlotBox(const QString &name, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// One element of txtRoom. It shows what the plan holds for it and reports
// the mouse: a press, a move (tooltip), a drop after a drag and a release
// without one. Its text cannot be typed over: the text is the element's kind.
class ElementBox : public QLineEdit {
    Q_OBJECT
public:
    struct Handlers {
        std::function<void(Qt::MouseButton button)> mouseDown;
        std::function<void(Qt::MouseButtons buttons)> mouseMove;
        // Offset of the drag from where the button went down, twips.
        std::function<void(double dx, double dy)> dragTo;
        std::function<void()> dropped;
        std::function<void()> mouseUp;
    };

    ElementBox(int index, QWidget *parent, Handlers handlers);

    int index() const { return m_index; }
    // Takes the element's place, size, colours, border, text and state.
    void showElement(const PlanElement &element);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    int m_index;
    Handlers m_handlers;
    QPoint m_pressedAt;
    bool m_holding = false;
    bool m_dragged = false;
};

} // namespace tessavo::floorplan
