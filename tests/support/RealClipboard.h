#pragma once

// The desktop's own clipboard in place of the fake, for tests that paste for
// real: a paste reads the clipboard's data while the clipboard guard wants
// it gone, which a fake cannot show.

#include "Fakes.h"
#include "UiFixture.h"
#include "platform/QtServices.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>
#include <QTest>
#include <QWidget>

namespace tessavo::test {

class RealClipboard {
public:
    RealClipboard() { services().clipboard = makeQtClipboard(); }
    ~RealClipboard()
    {
        QGuiApplication::clipboard()->clear();
        services().clipboard = std::make_unique<FakeClipboard>();
    }
    RealClipboard(const RealClipboard &) = delete;
    RealClipboard &operator=(const RealClipboard &) = delete;

    // Text copied in another program; the pointer follows the data, which
    // the clipboard owns and deletes when it is emptied.
    static QPointer<QMimeData> put(const QString &text)
    {
        auto *data = new QMimeData;
        data->setText(text);
        QGuiApplication::clipboard()->setMimeData(data);
        return data;
    }
    // Data with no format at all: what X11 offers once the clipboard's owner
    // has emptied it.
    static void putNothing() { QGuiApplication::clipboard()->setMimeData(new QMimeData); }

    static bool empty()
    {
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        return !data || data->formats().isEmpty();
    }

    // Ctrl+V in the box, which has the keyboard focus. The event loop has not
    // gone on yet when this returns.
    static void pressPaste(QWidget *box)
    {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
};

} // namespace tessavo::test
