#include "Fakes.h"
#include "HeldKey.h"
#include "RealClipboard.h"

#include "platform/Controls.h"
#include "platform/Form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <vector>

using namespace tessavo;
using tessavo::test::Delivery;
using tessavo::test::holdKey;

namespace {

// What a click opens: a box beside the window (not modally), or a form
// inside the window in place of the clicked control's; where the repeats of
// the key that clicked would go. It holds a text box, which has the focus,
// and a default button.
enum class Opens { Nothing, Box, Form };

struct BoxOpenedByClick {
    void openOnClick(QAbstractButton *opener, Opens opens)
    {
        if (opens == Opens::Nothing)
            return;
        QObject::connect(opener, &QAbstractButton::clicked, [this, opener, opens] {
            QWidget *box = nullptr;
            if (opens == Opens::Box) {
                box = new QDialog(opener->window());
            } else {
                box = new Form(QStringLiteral("frmOpened"), FormKind::Child);
                box->setParent(opener->window());
                opener->parentWidget()->hide();
            }
            text = new QLineEdit(box);
            auto *ok = new QPushButton(QStringLiteral("OK"), box);
            ok->move(0, 40);
            ok->setDefault(true);
            QObject::connect(ok, &QPushButton::clicked, [this] { ++presses; });
            box->show();
            text->setFocus();
        });
    }
    QString typed() const { return text ? text->text() : QString(); }

    QPointer<QLineEdit> text;
    int presses = 0; // of its default button
};

} // namespace

TEST(FocusHook, LostFocusOnlyWhenTheFocusMovesWithinTheProgram)
{
    struct Row {
        Qt::FocusReason reason;
        int lost;
    };
    const Row rows[] = {{Qt::TabFocusReason, 1},          {Qt::MouseFocusReason, 1},
                        {Qt::OtherFocusReason, 1},        {Qt::BacktabFocusReason, 1},
                        {Qt::ActiveWindowFocusReason, 0}, {Qt::PopupFocusReason, 0}};
    for (const Row &row : rows) {
        QLineEdit box;
        int got = 0;
        int lost = 0;
        new FocusHook(
            &box, [&] { ++got; }, [&] { ++lost; });
        QFocusEvent in(QEvent::FocusIn, row.reason);
        QApplication::sendEvent(&box, &in);
        QFocusEvent out(QEvent::FocusOut, row.reason);
        QApplication::sendEvent(&box, &out);
        EXPECT_EQ(got, 1) << row.reason;
        EXPECT_EQ(lost, row.lost) << row.reason;
    }
}

TEST(MultiLineTextBox, PastesTextAndNothingFromAClipboardThatHoldsNothing)
{
    test::RealClipboard clipboard;
    MultiLineTextBox box;
    box.setPlainText(QStringLiteral("typed"));
    box.moveCursor(QTextCursor::End);
    test::RealClipboard::putNothing();
    test::RealClipboard::pressPaste(&box);
    EXPECT_EQ(box.toPlainText(), "typed");
    test::RealClipboard::put(QStringLiteral(" pasted"));
    test::RealClipboard::pressPaste(&box);
    EXPECT_EQ(box.toPlainText(), "typed pasted");
}

TEST(MultiLineTextBox, TabMovesOnAndCtrlTabTypesATab)
{
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char *focus; // after the key
    };
    struct Row {
        const char *what;
        std::vector<Key> keys;
        const char *text; // of the box afterwards
    };
    const Row rows[] = {
        {"Tab to the next, Shift+Tab back",
         {{Qt::Key_Tab, Qt::NoModifier, "after"},
          {Qt::Key_Backtab, Qt::ShiftModifier, "box"},
          {Qt::Key_Backtab, Qt::ShiftModifier, "before"}},
         "ab"},
        {"Ctrl+Tab types", {{Qt::Key_Tab, Qt::ControlModifier, "box"}}, "ab\t"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        QWidget window;
        auto *before = new QLineEdit(&window);
        before->setObjectName("before");
        auto *box = new MultiLineTextBox(&window);
        box->setObjectName("box");
        box->move(0, 30);
        auto *after = new QLineEdit(&window);
        after->setObjectName("after");
        after->move(0, 200);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        box->setPlainText("ab");
        box->moveCursor(QTextCursor::End);
        box->setFocus();
        for (const Key &key : row.keys) {
            QTest::keyClick(QApplication::focusWidget(), key.key, key.modifiers);
            ASSERT_NE(QApplication::focusWidget(), nullptr);
            EXPECT_EQ(QApplication::focusWidget()->objectName(), key.focus);
        }
        EXPECT_EQ(box->toPlainText(), row.text);
    }
}

TEST(EnterPressesButtons, EnterOnAFocusedButtonPressesItOnce)
{
    // The test program installs the filter at start, as the program does.
    struct Row {
        const char *what;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool enabled;
        bool isDefault; // a default button presses on Enter by itself
        int clicks;
        int repeats = 0;       // presses the key sends while it is held down
        bool opensBox = false; // the click opens a box that takes the focus
        Delivery delivery = Delivery::Flagged;
        bool again = false; // pressed again a second after it came up (in the box it opened)
    };
    const Row rows[] = {
        {"Return", Qt::Key_Return, Qt::NoModifier, true, false, 1},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, true, false, 1},
        {"Return on a default button", Qt::Key_Return, Qt::NoModifier, true, true, 1},
        {"Space, as always", Qt::Key_Space, Qt::NoModifier, true, false, 1},
        {"Ctrl+Return", Qt::Key_Return, Qt::ControlModifier, true, false, 0},
        {"Return on a disabled button", Qt::Key_Return, Qt::NoModifier, false, false, 0},
        {"another key", Qt::Key_A, Qt::NoModifier, true, false, 0},
        {"Return held down", Qt::Key_Return, Qt::NoModifier, true, false, 1, 3},
        {"Return held down on a default button", Qt::Key_Return, Qt::NoModifier, true, true, 1, 3},
        {"Return held down, the box it opened", Qt::Key_Return, Qt::NoModifier, true, false, 1, 3,
         true},
        {"Return held down through the bridge", Qt::Key_Return, Qt::NoModifier, true, false, 1, 3,
         false, Delivery::Bridged},
        {"Return held down through the bridge, the box it opened", Qt::Key_Return, Qt::NoModifier,
         true, false, 1, 3, true, Delivery::Bridged},
        {"Return through the bridge, then again in the box it opened", Qt::Key_Return,
         Qt::NoModifier, true, false, 1, 0, true, Delivery::Bridged, true},
        {"Return twice from a program that sends keys", Qt::Key_Return, Qt::NoModifier, true, false,
         2, 0, false, Delivery::Sent, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        BoxOpenedByClick box;
        QWidget window;
        auto *button = new QPushButton(QStringLiteral("&Proceed"), &window);
        button->setDefault(row.isDefault);
        button->setEnabled(row.enabled);
        int clicks = 0;
        QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
        box.openOnClick(button, row.opensBox ? Opens::Box : Opens::Nothing);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        button->setFocus();
        holdKey(button, row.key, row.modifiers, row.repeats, row.delivery);
        if (row.again)
            holdKey(button, row.key, row.modifiers, 0, row.delivery);
        EXPECT_EQ(clicks, row.clicks);
        EXPECT_EQ(box.presses, row.again && row.opensBox ? 1 : 0);
        EXPECT_EQ(box.typed(), QString());
    }
}

// In a form inside a window, as the main window holds the tools: the text
// box leaves Enter to its parents, out of the form, and its repeats, in the
// window the key went down in, go on reaching it.
TEST(EnterPressesButtons, OtherControlsKeepTheirEnter)
{
    QWidget window;
    auto *form = new Form(QStringLiteral("frmTool"), FormKind::Child);
    form->setParent(&window);
    auto *box = new QLineEdit(form);
    auto *check = new QCheckBox(form);
    auto *button = new QPushButton(form);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    int returns = 0;
    QObject::connect(box, &QLineEdit::returnPressed, [&] { ++returns; });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    box->setFocus();
    holdKey(box, Qt::Key_Return, Qt::NoModifier, 2);
    QTest::keyClick(check, Qt::Key_Return);
    EXPECT_EQ(returns, 3);
    EXPECT_FALSE(check->isChecked());
    EXPECT_EQ(clicks, 0);
}

// A mnemonic clicks its button while the key is handled, never from a timer
// afterwards: a command clicked just after the key cannot run first and have
// the key's click arrive inside its box.
TEST(MnemonicsPressAtOnce, TheButtonIsClickedBeforeTheKeyReturns)
{
    struct Row {
        const char *what;
        Qt::Key key;
        int clicks; // of Save, North and Keep together
        bool northChecked;
        bool keepChecked;
        const char *focus;            // the control that has the focus after the key
        int presses = 1;              // one after another
        int repeats = 0;              // of each press, held down
        Opens opens = Opens::Nothing; // by Save, taking the focus
        Delivery delivery = Delivery::Flagged;
        Qt::Key letGo = Qt::Key_unknown; // released at the moment the key goes down
    };
    const Row rows[] = {
        {"a command button", Qt::Key_S, 1, false, false, "Save"},
        {"an option button", Qt::Key_N, 1, true, false, "North"},
        {"a check box", Qt::Key_K, 1, false, true, "Keep"},
        // Shared by two buttons, the key only moves the focus between them.
        {"a mnemonic two buttons share", Qt::Key_D, 0, false, false, "Delete Room"},
        {"a disabled button's", Qt::Key_X, 0, false, false, "Save"},
        // Held down, a mnemonic presses once; let go and pressed again, again.
        {"a command button held down", Qt::Key_S, 1, false, false, "Save", 1, 3},
        {"an option button held down", Qt::Key_N, 1, true, false, "North", 1, 3},
        {"a check box held down", Qt::Key_K, 1, false, true, "Keep", 1, 3},
        {"a command button pressed twice, held each time", Qt::Key_S, 2, false, false, "Save", 2,
         3},
        {"held down, the box it opened", Qt::Key_S, 1, false, false, nullptr, 1, 3, Opens::Box},
        {"held down, the repeats not flagged", Qt::Key_S, 1, false, false, "Save", 1, 3,
         Opens::Nothing, Delivery::Unflagged},
        {"held down, the form it opened inside the window", Qt::Key_S, 1, false, false, nullptr, 1,
         3, Opens::Form},
        {"another key let go as it goes down", Qt::Key_S, 1, false, false, "Save", 1, 0,
         Opens::Nothing, Delivery::Unflagged, Qt::Key_A},
        {"held down through the bridge", Qt::Key_S, 1, false, false, "Save", 1, 3, Opens::Nothing,
         Delivery::Bridged},
        {"pressed twice through the bridge, held each time", Qt::Key_S, 2, false, false, "Save", 2,
         3, Opens::Nothing, Delivery::Bridged},
        {"another key let go as it goes down, through the bridge", Qt::Key_S, 1, false, false,
         "Save", 1, 0, Opens::Nothing, Delivery::Bridged, Qt::Key_A},
        {"held down through the bridge, the form it opened inside the window", Qt::Key_S, 1, false,
         false, nullptr, 1, 3, Opens::Form, Delivery::Bridged},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        BoxOpenedByClick box;
        QWidget window;
        auto *tool = new Form(QStringLiteral("frmTool"), FormKind::Child);
        tool->setParent(&window);
        auto *save = new QPushButton(QStringLiteral("&Save"), tool);
        auto *north = new QRadioButton(QStringLiteral("&North"), tool);
        auto *keep = new QCheckBox(QStringLiteral("&Keep"), tool);
        auto *deleteRoom = new QPushButton(QStringLiteral("&Delete Room"), tool);
        auto *deleteDoor = new QPushButton(QStringLiteral("&Delete Door"), tool);
        auto *exit = new QPushButton(QStringLiteral("E&xit"), tool);
        exit->setEnabled(false);
        int clicks = 0;
        int deletes = 0;
        for (QAbstractButton *button : std::initializer_list<QAbstractButton *>{save, north, keep})
            QObject::connect(button, &QAbstractButton::clicked, [&] { ++clicks; });
        QObject::connect(deleteRoom, &QPushButton::clicked, [&] { ++deletes; });
        QObject::connect(deleteDoor, &QPushButton::clicked, [&] { ++deletes; });
        box.openOnClick(save, row.opens);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        save->setFocus();
        // Nothing more runs before the checks than the key's own repeats:
        // no event is processed after the last of them.
        for (int p = 0; p < row.presses; ++p)
            holdKey(&window, row.key, Qt::AltModifier, row.repeats, row.delivery, row.letGo);
        EXPECT_EQ(clicks, row.clicks);
        EXPECT_EQ(deletes, 0);
        EXPECT_EQ(north->isChecked(), row.northChecked);
        EXPECT_EQ(keep->isChecked(), row.keepChecked);
        EXPECT_EQ(box.typed(), QString());
        if (row.focus) {
            auto *focused = qobject_cast<QAbstractButton *>(QApplication::focusWidget());
            ASSERT_NE(focused, nullptr);
            EXPECT_EQ(focused->text().remove(QLatin1Char('&')), QString::fromLatin1(row.focus));
        }
        QTest::qWait(150);
        EXPECT_EQ(clicks, row.clicks) << "a second, late click";
    }
}
