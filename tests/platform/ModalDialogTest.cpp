// The desktop's own boxes in a real modal loop (offscreen): a box whose
// window goes while it is open returns as cancelled, is freed once, and the
// handler that asked asks nothing more until it is back in the event loop.
// A window shown modally runs under the same rules.

#include "UiFixture.h"

#include "floorplan/InputBox.h"
#include "frame/frmAbout.h"
#include "platform/ModalLoops.h"
#include "platform/QtServices.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

using namespace tessavo;
using namespace tessavo::test;

namespace {

// The visible modal boxes of the program.
int openBoxes()
{
    int open = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        open += qobject_cast<QDialog *>(window) && window->isVisible() ? 1 : 0;
    return open;
}

// Closes whatever box is still open after a while, so that a box that
// never closes fails the test instead of hanging it.
class Rescue {
public:
    Rescue()
    {
        m_timer.setInterval(5000);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (QWidget *box = QApplication::activeModalWidget()) {
                m_rescued = true;
                if (auto *dialog = qobject_cast<QDialog *>(box))
                    dialog->reject();
                else
                    box->hide();
            }
        });
        m_timer.start();
    }
    bool rescued() const { return m_rescued; }

private:
    QTimer m_timer;
    bool m_rescued = false;
};

class ModalDialogTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        services().messageBox = makeQtMessageBox();
        services().saveAs = makeQtSaveAsDialog();
        services().modalRunner = makeQtModalRunner();
        window = new QWidget;
        window->setWindowTitle(QStringLiteral("owner"));
        window->resize(400, 300);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    void TearDown() override
    {
        delete window.data();
        flushDeletes();
        UiTest::TearDown();
    }

    // Once the box is open and belongs to the window, does what is asked to
    // the window.
    void whileOpen(std::function<void(QWidget *)> toWindow)
    {
        QTimer::singleShot(50, [this, toWindow] {
            QWidget *box = QApplication::activeModalWidget();
            boxBelongedToWindow = box && box->parentWidget() == window;
            toWindow(window);
        });
    }

    QPointer<QWidget> window;
    bool boxBelongedToWindow = false;
};

QString answerName(MsgAnswer answer)
{
    switch (answer) {
    case MsgAnswer::Ok: return QStringLiteral("OK");
    case MsgAnswer::Cancel: return QStringLiteral("Cancel");
    case MsgAnswer::Yes: return QStringLiteral("Yes");
    case MsgAnswer::No: return QStringLiteral("No");
    }
    return {};
}

QString askWithATextTyped()
{
    return floorplan::inputBox().ask(QStringLiteral("Name?"), QStringLiteral("Tessavo"),
                                     QStringLiteral("typed"));
}

struct Ask {
    const char *what;
    std::function<QString()> ask; // what the call returned, as text
    const char *cancelled;
};

const Ask kAsks[] = {
    {"OK box", [] { return answerName(MsgBox(QStringLiteral("Hello"))); }, "OK"},
    {"Yes/No box", [] { return answerName(MsgBox(QStringLiteral("Sure?"), MsgButtons::YesNo)); },
     "No"},
    {"OK/Cancel box",
     [] { return answerName(MsgBox(QStringLiteral("Go?"), MsgButtons::OkCancel)); }, "Cancel"},
    {"Yes/No/Cancel box",
     [] { return answerName(MsgBox(QStringLiteral("Keep?"), MsgButtons::YesNoCancel)); },
     "Cancel"},
    {"Save As dialog",
     [] {
         SaveAsRequest request;
         request.filter = QStringLiteral("Rich Text Format | *.rtf ");
         request.defaultExtension = QStringLiteral("txt");
         const std::optional<QString> file = services().saveAs->ask(request);
         return file ? *file : QStringLiteral("no file");
     },
     "no file"},
    {"input box with a text typed", askWithATextTyped, ""},
};

} // namespace

TEST_F(ModalDialogTest, ABoxWhoseWindowGoesReturnsAsCancelled)
{
    const struct {
        const char *how;
        std::function<void(QWidget *)> go;
    } goes[] = {
        // The window is deleted in the box's own loop, as a deferred delete
        // of an unloaded window once was: the box must not be freed twice.
        {"deleted", [](QWidget *w) { delete w; }},
        {"hidden", [](QWidget *w) { w->hide(); }},
    };
    for (const auto &go : goes) {
        for (const Ask &ask : kAsks) {
            if (!window) {
                TearDown();
                SetUp();
            }
            window->show();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window));
            Rescue rescue;
            whileOpen(go.go);
            EXPECT_EQ(ask.ask(), QString::fromLatin1(ask.cancelled)) << go.how << ", " << ask.what;
            EXPECT_TRUE(boxBelongedToWindow) << go.how << ", " << ask.what;
            EXPECT_FALSE(rescue.rescued()) << go.how << ", " << ask.what;
            EXPECT_EQ(openBoxes(), 0) << go.how << ", " << ask.what;
            flushDeletes();
            // Back in the event loop: the next box asks again.
            QCoreApplication::processEvents();
            EXPECT_FALSE(ModalLoops::instance().cutOff());
        }
    }
}

TEST_F(ModalDialogTest, TheHandlerBelowAskedNothingMoreUntilBackInTheEventLoop)
{
    Rescue rescue;
    whileOpen([](QWidget *w) { w->hide(); });
    EXPECT_EQ(MsgBox(QStringLiteral("Save?"), MsgButtons::YesNo), MsgAnswer::No);
    // The handler goes on as if answered No, and asks again: no box shows,
    // the answer is the cancelled one at once.
    int shownMeanwhile = 0;
    QTimer::singleShot(0, [&] { shownMeanwhile = openBoxes(); });
    EXPECT_EQ(MsgBox(QStringLiteral("Save now?"), MsgButtons::YesNo), MsgAnswer::No);
    EXPECT_EQ(MsgBox(QStringLiteral("Saved"), MsgButtons::Ok), MsgAnswer::Ok);
    EXPECT_EQ(services().saveAs->ask(SaveAsRequest{}), std::nullopt);
    // A window shown modally shows, but nothing waits for it to go.
    QTimer::singleShot(0, [] { form<frmAbout>().Hide(); });
    form<frmAbout>().ShowModal();
    EXPECT_TRUE(form<frmAbout>().Visible());
    EXPECT_EQ(shownMeanwhile, 0);
    EXPECT_FALSE(rescue.rescued());

    // Once the event loop has taken events, a box shows and is answered.
    QCoreApplication::processEvents();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTimer::singleShot(50, [] {
        if (auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            box->done(QMessageBox::Yes);
    });
    EXPECT_EQ(MsgBox(QStringLiteral("Save?"), MsgButtons::YesNo), MsgAnswer::Yes);
    EXPECT_FALSE(rescue.rescued());
}

TEST_F(ModalDialogTest, WhatIsUnloadedUnderABoxIsDeletedOnceNoBoxIsOpen)
{
    const struct {
        const char *what;
        std::function<void()> open;
    } boxes[] = {
        {"message box", [] { MsgBox(QStringLiteral("Hello")); }},
        {"About shown modally", [] { form<frmAbout>().ShowModal(); }},
    };
    for (const auto &b : boxes) {
        auto *unloaded = new QObject;
        QPointer<QObject> alive(unloaded);
        bool aliveInBox = false;
        Rescue rescue;
        QTimer::singleShot(50, [&] {
            afterModalLoops([unloaded] { unloaded->deleteLater(); });
            flushDeletes();
            aliveInBox = !alive.isNull();
            if (auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                box->accept();
            else if (isLoaded<frmAbout>())
                form<frmAbout>().cmdOk_Click();
        });
        b.open();
        EXPECT_TRUE(aliveInBox) << b.what;
        EXPECT_FALSE(rescue.rescued()) << b.what;
        flushDeletes();
        EXPECT_TRUE(alive.isNull()) << b.what;
    }
}

TEST_F(ModalDialogTest, ABoxGivesTheAnswerTheUserGave)
{
    const struct {
        const char *what;
        std::function<QString()> ask;
        std::function<void(QWidget *window, QDialog *box)> answer;
        const char *answered;
    } rows[] = {
        {"input box, Cancel with a text typed", askWithATextTyped,
         [](QWidget *, QDialog *box) { box->reject(); }, ""},
        // The desktop, not the program, hides a minimized window: it did not go.
        {"Yes/No box, its window minimized, then Yes",
         [] { return answerName(MsgBox(QStringLiteral("Sure?"), MsgButtons::YesNo)); },
         [](QWidget *w, QDialog *box) {
             w->showMinimized();
             box->done(QMessageBox::Yes);
         },
         "Yes"},
    };
    for (const auto &r : rows) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        Rescue rescue;
        QTimer::singleShot(50, [&] {
            auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            boxBelongedToWindow = box && box->parentWidget() == window;
            if (box)
                r.answer(window, box);
        });
        EXPECT_EQ(r.ask(), QString::fromLatin1(r.answered)) << r.what;
        EXPECT_TRUE(boxBelongedToWindow) << r.what;
        EXPECT_FALSE(rescue.rescued()) << r.what;
        EXPECT_FALSE(ModalLoops::instance().cutOff()) << r.what;
    }
}
