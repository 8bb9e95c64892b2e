#include "platform/Accessibility.h"

namespace tessavo {

namespace {
QAccessible::UpdateHandler g_listener = nullptr;
} // namespace

bool accessibilityActive()
{
    return g_listener != nullptr || QAccessible::isActive();
}

void announce(QAccessibleEvent *event)
{
    if (g_listener)
        g_listener(event);
    else
        QAccessible::updateAccessibility(event);
}

AccessibilityListener::AccessibilityListener(QAccessible::UpdateHandler handler)
    : m_before(QAccessible::installUpdateHandler(handler)), m_listenerBefore(g_listener)
{
    g_listener = handler;
}

AccessibilityListener::~AccessibilityListener()
{
    g_listener = m_listenerBefore;
    QAccessible::installUpdateHandler(m_before);
}

} // namespace tessavo
