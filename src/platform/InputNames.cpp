#include "platform/InputNames.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace tessavo {

namespace {

// A drop-down list the user picks from and cannot type into. The entry it
// shows is also offered as read-only text: that is where a reader looks for
// what a list holds once its name no longer says it.
class ListAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ListAccessible(QComboBox *list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // Its one child is the list of entries that drops down.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return shown();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        return s;
    }

    // Press or Show Menu drops the entries down, or folds them up again.
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    // The entry shown, as text nobody can select or edit.
    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }
    QString shown() const { return list()->currentText(); }
};

QAccessibleInterface *listFactory(const QString &, QObject *object)
{
    auto *list = qobject_cast<QComboBox *>(object);
    if (list && !list->isEditable())
        return new ListAccessible(list);
    return nullptr;
}

} // namespace

void nameAfterCaption(QWidget *input, const QString &caption, const QString &part)
{
    input->setAccessibleName(part.isEmpty() ? caption : caption + QStringLiteral(", ") + part);
}

void installListNames()
{
    static const bool installed = [] {
        QAccessible::installFactory(listFactory);
        return true;
    }();
    (void)installed;
}

} // namespace tessavo
