#pragma once

// A screen reader's "activate" in the test's own process: the accessible
// action Press. A button answers it with a click a tenth of a second later,
// from a timer, inside whatever box is open by then; a menu entry at once.
// And a reader's choice of an entry of a list.

#include <QAccessible>
#include <QMenu>
#include <QTest>
#include <QWidget>

namespace tessavo::test {

// Presses the control, then lets a tenth of a second and more go by.
inline void pressAsAReader(QAccessibleInterface *control)
{
    if (!control || !control->actionInterface()) {
        ADD_FAILURE() << "nothing a reader could press";
        return;
    }
    control->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTest::qWait(150);
}

inline void pressAsAReader(QWidget *control)
{
    pressAsAReader(QAccessible::queryAccessibleInterface(control));
}

// A reader's choice of a list's entry: the list's accessible table selects
// the row, emptying the list first, as the AT-SPI bridge's table selection
// does.
inline void selectAsAReader(QWidget *list, int row)
{
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(list);
    if (!table || !table->tableInterface() || !table->tableInterface()->selectRow(row))
        ADD_FAILURE() << "no entry a reader could select";
}

// An entry of a window's menu as a reader finds it: by its name; null when
// there is none.
inline QAccessibleInterface *menuEntry(QWidget *window, const char *menu, const QString &entry)
{
    QAccessibleInterface *m = QAccessible::queryAccessibleInterface(
        window->findChild<QMenu *>(QString::fromLatin1(menu)));
    for (int i = 0; m && i < m->childCount(); ++i) {
        if (m->child(i)->text(QAccessible::Name) == entry)
            return m->child(i);
    }
    return nullptr;
}

} // namespace tessavo::test
