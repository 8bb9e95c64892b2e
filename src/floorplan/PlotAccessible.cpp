#include "floorplan/PlotAccessible.h"

#include "floorplan/PlotWidgets.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace tessavo::floorplan {

namespace {

class PlotAccessible : public QAccessibleWidget {
public:
    explicit PlotAccessible(PlotBox *plot) : QAccessibleWidget(plot, QAccessible::Client) {}

    int childCount() const override { return static_cast<int>(plot()->visibleElements().size()); }

    QAccessibleInterface *child(int i) const override
    {
        const std::vector<int> &visible = plot()->visibleElements();
        if (i < 0 || i >= static_cast<int>(visible.size()))
            return nullptr;
        return plot()->accessibleElement(visible[static_cast<std::size_t>(i)]);
    }

    int indexOfChild(const QAccessibleInterface *child) const override;

    QAccessibleInterface *childAt(int x, int y) const override
    {
        const int k = plot()->elementAt(plot()->mapFromGlobal(QPoint(x, y)));
        return k > 0 ? plot()->accessibleElement(k) : nullptr;
    }

private:
    PlotBox *plot() const { return static_cast<PlotBox *>(widget()); }
};

// One element of the plot, known by its index while it is loaded.
class ElementAccessible : public QAccessibleInterface, public QAccessibleTextInterface {
public:
    ElementAccessible(PlotBox *plot, int index) : m_plot(plot), m_index(index) {}

    int index() const { return m_index; }
    PlotBox *plot() const { return m_plot; }

    bool isValid() const override { return shown() != nullptr; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_plot ? m_plot->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return m_plot ? QAccessible::queryAccessibleInterface(m_plot.data()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
        case QAccessible::Value:
        case QAccessible::Description:
            return shown() ? shown()->text() : QString();
        default:
            return {};
        }
    }
    // The text is the element's kind: it cannot be typed over.
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        if (!shown())
            return {};
        const QRect box = shown()->geometry();
        return QRect(m_plot->mapToGlobal(box.topLeft()), box.size());
    }
    QAccessible::Role role() const override { return QAccessible::EditableText; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        const ShownElement *element = shown();
        if (!element) {
            state.invalid = true;
            return state;
        }
        state.readOnly = true;
        state.selectableText = true;
        state.disabled = !element->isEnabled();
        // A retired element, of no size, is a child that cannot be seen.
        state.invisible = !element->isDrawn() || !m_plot->isVisible();
        state.offscreen = state.invisible || !element->geometry().intersects(m_plot->rect());
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return nullptr;
    }

    // Text interface: the whole text, no selection, the caret at the end as
    // after the text was set.
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return characterCount(); }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override
    {
        const QString all = text(QAccessible::Value);
        startOffset = std::clamp(startOffset, 0, static_cast<int>(all.size()));
        endOffset = std::clamp(endOffset, startOffset, static_cast<int>(all.size()));
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override
    {
        return static_cast<int>(text(QAccessible::Value).size());
    }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = offset;
        *endOffset = offset;
        return {};
    }

private:
    const ShownElement *shown() const
    {
        if (!m_plot)
            return nullptr;
        const ShownElement *element = m_plot->shown(m_index);
        return element && element->isVisible() ? element : nullptr;
    }

    QPointer<PlotBox> m_plot;
    int m_index;
};

int PlotAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *element = dynamic_cast<const ElementAccessible *>(child);
    if (!element || element->plot() != plot())
        return -1;
    return plot()->childPlace(element->index());
}

QAccessibleInterface *plotFactory(const QString &, QObject *object)
{
    if (auto *plot = qobject_cast<PlotBox *>(object))
        return new PlotAccessible(plot);
    return nullptr;
}

} // namespace

void installPlotAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(plotFactory);
        return true;
    }();
    (void)installed;
}

QAccessibleInterface *makeElementAccessible(PlotBox *plot, int index)
{
    return new ElementAccessible(plot, index);
}

} // namespace tessavo::floorplan
