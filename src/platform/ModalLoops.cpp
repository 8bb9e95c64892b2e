#include "platform/ModalLoops.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace tessavo {

ModalLoops &ModalLoops::instance()
{
    static ModalLoops loops;
    return loops;
}

void ModalLoops::enter(const QObject *window)
{
    m_fronts.emplace_back(window);
    emit started();
}

void ModalLoops::leave()
{
    if (!m_fronts.empty())
        m_fronts.pop_back();
    if (!m_fronts.empty())
        return;
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

bool ModalLoops::commandMayRun(const QObject *control) const
{
    if (m_fronts.empty())
        return true;
    const QObject *front = m_fronts.back().data();
    for (const QObject *o = control; front && o; o = o->parent()) {
        if (o == front)
            return true;
    }
    return false;
}

void afterModalLoops(std::function<void()> action)
{
    ModalLoops &loops = ModalLoops::instance();
    if (loops.m_fronts.empty()) {
        action();
        return;
    }
    loops.m_afterLoops.push_back(std::move(action));
}

} // namespace tessavo
