#pragma once

// Keys pressed as a user presses them on a window's option groups: from a
// control given the focus, each key ("Tab, Shift+Tab") to whatever has the
// focus by then, behind a box when asked; then where the focus is and what
// is chosen.

#include "platform/ModalLoops.h"

#include <QApplication>
#include <QKeySequence>
#include <QRadioButton>
#include <QTest>

#include <optional>

namespace tessavo::test {

struct OptionKeysSeen {
    QString focus;
    QString chosen; // the options of the container that are chosen, by name
};

inline OptionKeysSeen pressOptionKeys(QWidget *container, QWidget *from, const char *keys,
                                      bool behindBox = false)
{
    from->setFocus();
    {
        std::optional<ModalScope> box;
        if (behindBox)
            box.emplace();
        const QKeySequence sequence(QString::fromLatin1(keys));
        for (int i = 0; i < sequence.count(); ++i) {
            const QKeyCombination key = sequence[i];
            // As X sends Shift+Tab.
            const bool back =
                key.key() == Qt::Key_Tab && key.keyboardModifiers() & Qt::ShiftModifier;
            QTest::keyClick(QApplication::focusWidget(), back ? Qt::Key_Backtab : key.key(),
                            key.keyboardModifiers());
        }
    }
    OptionKeysSeen seen;
    if (const QWidget *focus = QApplication::focusWidget())
        seen.focus = focus->objectName();
    for (const QRadioButton *option : container->findChildren<QRadioButton *>()) {
        if (option->isChecked())
            seen.chosen += (seen.chosen.isEmpty() ? "" : " ") + option->objectName();
    }
    return seen;
}

} // namespace tessavo::test
