#pragma once

// The program's own modal loops: a message box, the Save As dialog, the
// input box, a window shown modally. While one runs, events go on (timers
// among them), so a handler may unload a window whose own handler waits on
// the stack below the box. (No key clicks late inside a box: Enter and the
// mnemonics press their buttons at once, installButtonKeys.) Four rules
// keep that safe:
//
//  - no command of a window behind the box runs (runCommand, Controls): only the
//    box's own controls work, whatever route a press takes to the others
//    (a click a timer delivers late, an action of assistive technology, a
//    menu entry);
//  - an unloaded window is deleted only once every modal loop has ended
//    (afterModalLoops), so the handler below a box returns into a live,
//    if unloaded, window;
//  - a box whose window goes (is hidden or deleted) closes as if cancelled;
//  - the handlers that then unwind ask nothing more: until control is back
//    in the event loop, every further box answers as cancelled at once
//    (ModalLoops::cutOff).
//
// Whatever holds a mouse gesture listens to ModalLoops::started: a modal
// window takes the release that would have ended it.

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

namespace tessavo {

class ModalLoops : public QObject {
    Q_OBJECT
public:
    static ModalLoops &instance();

    // True from the moment a box closed because its window went until
    // control is back in an event loop.
    bool cutOff() const { return m_cutOff; }
    // Called by a box that closed because its window went, once its own
    // loop has ended.
    void cutOffHandlers();

    // Whether a command of the control may run now: when no modal loop
    // runs, or when the control is one of the window shown modally in
    // front. A box of the toolkit's (a message box, the input box, Save As)
    // in front lets no command of the program's windows run.
    bool commandMayRun(const QObject *control) const;

signals:
    // A modal loop is about to start: a modal window is opening.
    void started();

private:
    friend class ModalScope;
    friend void afterModalLoops(std::function<void()> action);
    ModalLoops() = default;
    void enter(const QObject *window);
    void leave();

    // The window in front of each loop that runs, innermost last; null for
    // a box of the toolkit's, or a window that went.
    std::vector<QPointer<const QObject>> m_fronts;
    bool m_cutOff = false;
    std::vector<std::function<void()>> m_afterLoops;
};

// Marks the run of one modal loop, from before it opens until it has ended.
// window: the window shown modally, whose own controls go on working; none
// for a box of the toolkit's.
class ModalScope {
public:
    explicit ModalScope(const QObject *window = nullptr) { ModalLoops::instance().enter(window); }
    ~ModalScope() { ModalLoops::instance().leave(); }
    ModalScope(const ModalScope &) = delete;
    ModalScope &operator=(const ModalScope &) = delete;
};

// Runs the action at once when no modal loop runs, else as soon as the
// outermost one has ended, in the order the actions were asked for.
void afterModalLoops(std::function<void()> action);

} // namespace tessavo
