#pragma once

// The program's own modal loops: a message box, the Save As dialog, the
// input box, a window shown modally. While one runs, events go on (timers
// among them), so a handler may unload a window whose own handler waits on
// the stack below the box. (No key clicks late inside a box: Enter and the
// mnemonics press their buttons at once, installButtonKeys.) Three rules
// keep that safe:
//
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

signals:
    // A modal loop is about to start: a modal window is opening.
    void started();

private:
    friend class ModalScope;
    friend void afterModalLoops(std::function<void()> action);
    ModalLoops() = default;
    void enter();
    void leave();

    int m_depth = 0;
    bool m_cutOff = false;
    std::vector<std::function<void()>> m_afterLoops;
};

// Marks the run of one modal loop, from before it opens until it has ended.
class ModalScope {
public:
    ModalScope() { ModalLoops::instance().enter(); }
    ~ModalScope() { ModalLoops::instance().leave(); }
    ModalScope(const ModalScope &) = delete;
    ModalScope &operator=(const ModalScope &) = delete;
};

// Runs the action at once when no modal loop runs, else as soon as the
// outermost one has ended, in the order the actions were asked for.
void afterModalLoops(std::function<void()> action);

} // namespace tessavo
