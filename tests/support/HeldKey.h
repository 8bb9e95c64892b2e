#pragma once

// A key held down as X sends it: the press, then its repeats, each a release
// and a press at one moment, after the events before it have run and to the
// control that has the focus by then (the press as a shortcut override and,
// if no shortcut takes it, a key press); then the release.
//
// How they reach the program: the toolkit flags the repeats as such, or
// misses them, as it now and then does; or the accessibility bridge of a
// screen reader holds every key press and release back and posts a copy
// without its moment, after the next press's shortcut override has gone
// (the key events X sent come in first, through the native event filters).

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWindow>

#include <xcb/xcb.h>

#include <memory>
#include <vector>

namespace tessavo::test {

// Sent: by another program, through X, which passes such key events on
// without their moment.
enum class Delivery { Flagged, Unflagged, Bridged, Sent };

// The moments of the key events, in milliseconds, as X counts them.
inline quint32 &keyClock()
{
    static quint32 clock = 1000;
    return clock;
}

namespace detail {

// The key code X would send for the key; any will do that is the key's own.
inline quint8 keyCode(Qt::Key key)
{
    return static_cast<quint8>(8 + static_cast<unsigned>(key) % 248);
}

inline void xKeyEvent(bool press, Qt::Key key, quint32 at)
{
    xcb_key_press_event_t event{};
    event.response_type = press ? XCB_KEY_PRESS : XCB_KEY_RELEASE;
    event.detail = keyCode(key);
    event.time = at;
    qintptr result = 0;
    QAbstractEventDispatcher::instance()->filterNativeEvent("xcb_generic_event_t", &event, &result);
}

} // namespace detail

inline void holdKey(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers, int repeats,
                    Delivery delivery = Delivery::Flagged, Qt::Key letGo = Qt::Key_unknown)
{
    const bool bridged = delivery == Delivery::Bridged;
    const bool flagged = delivery == Delivery::Flagged;
    const bool fromX = bridged || delivery == Delivery::Sent;
    const bool timed = delivery != Delivery::Sent;
    QPointer<QWidget> pressed = widget;
    const auto focus = [&]() -> QWidget * {
        for (QWidget *w : {QApplication::focusWidget(), QApplication::activeModalWidget(),
                           QApplication::activeWindow(), pressed.data()}) {
            if (w)
                return w;
        }
        return nullptr;
    };
    const auto textOf = [](Qt::Key k) {
        const char ascii = QTest::keyToAscii(k);
        return ascii ? QString(QChar::fromLatin1(ascii)) : QString();
    };
    // The bridge's copies not yet posted, each with the window it was
    // caught at.
    std::vector<std::pair<QPointer<QWindow>, std::unique_ptr<QKeyEvent>>> held;
    const auto post = [&] {
        for (auto &[window, event] : held) {
            if (window)
                QCoreApplication::postEvent(window, event.release());
        }
        held.clear();
        QCoreApplication::processEvents();
    };
    const auto send = [&](QEvent::Type type, Qt::Key k, Qt::KeyboardModifiers mods, quint32 moment,
                          bool repeat) {
        QWidget *receiver = focus();
        const quint32 at = timed ? moment : 0;
        if (fromX)
            detail::xKeyEvent(type == QEvent::KeyPress, k, at);
        if (!receiver)
            return;
        const QString text = textOf(k);
        const bool flag = repeat && flagged;
        if (type == QEvent::KeyPress) {
            QKeyEvent override(QEvent::ShortcutOverride, k, mods, detail::keyCode(k), 0, 0, text,
                               flag);
            override.setTimestamp(at);
            QSpontaneKeyEvent::setSpontaneous(&override);
            qApp->notify(receiver, &override);
            // The shortcuts are reached only through this call, whose own
            // override carries neither moment nor key code: it goes to no
            // control.
            QObject nowhere;
            if (!override.isAccepted() &&
                qt_sendShortcutOverrideEvent(&nowhere, at, k, mods, text, flag))
                return;
        }
        if (bridged) {
            held.emplace_back(
                receiver->window()->windowHandle(),
                std::make_unique<QKeyEvent>(type, k, mods, detail::keyCode(k), 0, 0, text, flag));
            return;
        }
        QKeyEvent event(type, k, mods, detail::keyCode(k), 0, 0, text, flag);
        event.setTimestamp(at);
        QSpontaneKeyEvent::setSpontaneous(&event);
        qApp->notify(receiver, &event);
    };
    // The modifier keys go down first, and come up last.
    std::vector<std::pair<Qt::Key, Qt::KeyboardModifier>> modifierKeys;
    for (const auto &[k, m] : {std::pair{Qt::Key_Shift, Qt::ShiftModifier},
                               std::pair{Qt::Key_Control, Qt::ControlModifier},
                               std::pair{Qt::Key_Alt, Qt::AltModifier}}) {
        if (modifiers.testFlag(m))
            modifierKeys.emplace_back(k, m);
    }
    quint32 &clock = keyClock();
    clock += 1000;
    Qt::KeyboardModifiers down;
    for (const auto &[k, m] : modifierKeys) {
        send(QEvent::KeyPress, k, down, clock - 100, false);
        down |= m;
    }
    if (letGo != Qt::Key_unknown)
        send(QEvent::KeyRelease, letGo, modifiers, clock, false);
    send(QEvent::KeyPress, key, modifiers, clock, false);
    for (int r = 0; r < repeats; ++r) {
        if (bridged)
            post();
        else
            QCoreApplication::processEvents();
        clock += 40;
        send(QEvent::KeyRelease, key, modifiers, clock, true);
        send(QEvent::KeyPress, key, modifiers, clock, true);
    }
    if (bridged)
        post();
    send(QEvent::KeyRelease, key, modifiers, clock + 20, false);
    for (auto m = modifierKeys.rbegin(); m != modifierKeys.rend(); ++m)
        send(QEvent::KeyRelease, m->first, modifiers, clock + 40, false);
    if (bridged)
        post();
}

} // namespace tessavo::test
