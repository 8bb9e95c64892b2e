#include "platform/ModalLoops.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace tessavo {

ModalLoops &ModalLoops::instance()
{
    static ModalLoops loops;
    return loops;
}

void ModalLoops::enter()
{
    ++m_depth;
    emit started();
}

void ModalLoops::leave()
{
    if (--m_depth > 0)
        return;
    m_depth = 0;
    std::vector<std::function<void()>> actions;
    actions.swap(m_afterLoops);
    for (const auto &action : actions)
        action();
}

void ModalLoops::cutOffHandlers()
{
    m_cutOff = true;
    // Called once the box's own loop has ended, so the queued call is taken
    // by the event loop the unwinding handlers return to.
    if (QCoreApplication *app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, [this] { m_cutOff = false; }, Qt::QueuedConnection);
    else
        m_cutOff = false;
}

void afterModalLoops(std::function<void()> action)
{
    ModalLoops &loops = ModalLoops::instance();
    if (loops.m_depth == 0) {
        action();
        return;
    }
    loops.m_afterLoops.push_back(std::move(action));
}

} // namespace tessavo
