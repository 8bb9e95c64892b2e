#pragma once

// A key held down as X sends it: the press, then its repeats, each a release
// and a press at one moment, after the events before it have run and to the
// control that has the focus by then (the press as a shortcut override and,
// if no shortcut takes it, a key press); then the release. The toolkit flags
// the repeats as such, unless it misses them, as it now and then does.

#include <QApplication>
#include <QPointer>
#include <QTest>

namespace tessavo::test {

inline void holdKey(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers, int repeats,
                    bool flagged = true)
{
    static quint64 clock = 1000; // the moments of the repeats, in milliseconds
    QPointer<QWidget> pressed = widget;
    const auto focus = [&]() -> QWidget * {
        for (QWidget *w : {QApplication::focusWidget(), QApplication::activeModalWidget(),
                           QApplication::activeWindow(), pressed.data()}) {
            if (w)
                return w;
        }
        return nullptr;
    };
    const char ascii = QTest::keyToAscii(key);
    const QString text = ascii ? QString(QChar::fromLatin1(ascii)) : QString();
    const auto send = [&](QEvent::Type type, quint64 at) {
        QWidget *receiver = focus();
        if (!receiver)
            return;
        QKeyEvent event(type, key, modifiers, text, flagged);
        event.setTimestamp(at);
        QSpontaneKeyEvent::setSpontaneous(&event);
        if (type == QEvent::KeyPress &&
            qt_sendShortcutOverrideEvent(receiver, at, key, modifiers, text, flagged))
            return;
        qApp->notify(receiver, &event);
    };
    QTest::keyPress(widget, key, modifiers);
    for (int r = 0; r < repeats; ++r) {
        QCoreApplication::processEvents();
        clock += 40;
        send(QEvent::KeyRelease, clock);
        send(QEvent::KeyPress, clock);
    }
    if (QWidget *receiver = focus())
        QTest::keyRelease(receiver, key, modifiers);
}

} // namespace tessavo::test
