#pragma once

// Whether anything hears the news the program gives assistive technology,
// and the way that news goes. On the desktop a screen reader listens
// behind the platform's bridge; the offscreen platform has no bridge, and
// Qt drops every event while none is active, so the tests and the
// benchmark put a listener of their own in its place.

#include <QAccessible>

namespace tessavo {

// True while a reader listens through the desktop's bridge or a listener
// of ours is in place: the time to make and send news of what changes.
bool accessibilityActive();

// Sends the news to the listener in place, else to the desktop's bridge;
// a change of name or of place goes out as its AT-SPI signal on the
// bridge's connection, as Qt's bridge drops the one and garbles the other.
void announce(QAccessibleEvent *event);

// Takes every accessibility event in place of the desktop's bridge for as
// long as it lives; the handler before it comes back afterwards.
class AccessibilityListener {
public:
    explicit AccessibilityListener(QAccessible::UpdateHandler handler);
    ~AccessibilityListener();
    AccessibilityListener(const AccessibilityListener &) = delete;
    AccessibilityListener &operator=(const AccessibilityListener &) = delete;

private:
    QAccessible::UpdateHandler m_before;
    QAccessible::UpdateHandler m_listenerBefore;
};

} // namespace tessavo
