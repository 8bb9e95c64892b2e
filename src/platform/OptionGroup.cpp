#include "platform/OptionGroup.h"

#include "platform/Controls.h"

#include <QEvent>
#include <QKeyEvent>
#include <QRadioButton>

namespace tessavo {

OptionGroup::OptionGroup(std::initializer_list<QRadioButton *> options, QObject *parent)
    : QButtonGroup(parent)
{
    setExclusive(true);
    for (QRadioButton *option : options) {
        addButton(option);
        option->installEventFilter(this);
    }
    // Chosen by the program (a window's default) as well as by the user.
    connect(this, &QButtonGroup::buttonToggled, this, [this] { settleTabStop(); });
    settleTabStop();
}

bool OptionGroup::eventFilter(QObject *watched, QEvent *event)
{
    // An option being destroyed is no button any more when its last
    // events (the focus leaving it) come.
    auto *option = qobject_cast<QAbstractButton *>(watched);
    if (!option)
        return false;
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            step(option, -1);
            return true;
        case Qt::Key_Right:
        case Qt::Key_Down:
            step(option, 1);
            return true;
        default:
            return false;
        }
    }
    // The focus can rest on an option that is not chosen (a press dragged
    // off it, a screen reader's focus); the toolkit then makes that option
    // the Tab stop, and the group is to be entered on its chosen one.
    if (event->type() == QEvent::FocusOut)
        settleTabStop();
    return false;
}

void OptionGroup::step(QAbstractButton *from, int by)
{
    const QList<QAbstractButton *> options = buttons();
    const auto count = options.size();
    QAbstractButton *next = options[(options.indexOf(from) + by + count) % count];
    runCommand(next, [next, by] {
        next->setFocus(by > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        next->click();
    });
}

void OptionGroup::settleTabStop()
{
    const QList<QAbstractButton *> options = buttons();
    const QAbstractButton *stop = checkedButton() ? checkedButton() : options.first();
    for (QAbstractButton *option : options) {
        const Qt::FocusPolicy policy = option->focusPolicy();
        option->setFocusPolicy(static_cast<Qt::FocusPolicy>(
            option == stop ? policy | Qt::TabFocus : policy & ~Qt::TabFocus));
    }
}

} // namespace tessavo
