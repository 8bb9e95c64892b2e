#include "Fakes.h"
#include "RealClipboard.h"

#include "platform/Controls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace tessavo;

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
        int repeats = 0; // presses the key sends while it is held down
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
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        QWidget window;
        auto *button = new QPushButton(QStringLiteral("&Proceed"), &window);
        button->setDefault(row.isDefault);
        button->setEnabled(row.enabled);
        int clicks = 0;
        QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
        QTest::keyPress(button, row.key, row.modifiers);
        for (int r = 0; r < row.repeats; ++r) {
            QKeyEvent repeat(QEvent::KeyPress, row.key, row.modifiers, QString(), true);
            QApplication::sendEvent(button, &repeat);
        }
        QTest::keyRelease(button, row.key, row.modifiers);
        EXPECT_EQ(clicks, row.clicks);
    }
}

TEST(EnterPressesButtons, OtherControlsKeepTheirEnter)
{
    QWidget window;
    auto *box = new QLineEdit(&window);
    auto *check = new QCheckBox(&window);
    auto *button = new QPushButton(&window);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    int returns = 0;
    QObject::connect(box, &QLineEdit::returnPressed, [&] { ++returns; });
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(check, Qt::Key_Return);
    EXPECT_EQ(returns, 1);
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
        int saveClicks;
        bool northChecked;
        bool keepChecked;
        const char *focus; // the control that has the focus after the key
    };
    const Row rows[] = {
        {"a command button", Qt::Key_S, 1, false, false, "Save"},
        {"an option button", Qt::Key_N, 0, true, false, "North"},
        {"a check box", Qt::Key_K, 0, false, true, "Keep"},
        // Shared by two buttons, the key only moves the focus between them.
        {"a mnemonic two buttons share", Qt::Key_D, 0, false, false, "Delete Room"},
        {"a disabled button's", Qt::Key_X, 0, false, false, "Save"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        QWidget window;
        auto *save = new QPushButton(QStringLiteral("&Save"), &window);
        auto *north = new QRadioButton(QStringLiteral("&North"), &window);
        auto *keep = new QCheckBox(QStringLiteral("&Keep"), &window);
        auto *deleteRoom = new QPushButton(QStringLiteral("&Delete Room"), &window);
        auto *deleteDoor = new QPushButton(QStringLiteral("&Delete Door"), &window);
        auto *exit = new QPushButton(QStringLiteral("E&xit"), &window);
        exit->setEnabled(false);
        int saves = 0;
        int deletes = 0;
        QObject::connect(save, &QPushButton::clicked, [&] { ++saves; });
        QObject::connect(deleteRoom, &QPushButton::clicked, [&] { ++deletes; });
        QObject::connect(deleteDoor, &QPushButton::clicked, [&] { ++deletes; });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        save->setFocus();
        QTest::keyClick(&window, row.key, Qt::AltModifier);
        // Nothing more runs before the checks: no event is processed.
        EXPECT_EQ(saves, row.saveClicks);
        EXPECT_EQ(deletes, 0);
        EXPECT_EQ(north->isChecked(), row.northChecked);
        EXPECT_EQ(keep->isChecked(), row.keepChecked);
        auto *focused = qobject_cast<QAbstractButton *>(QApplication::focusWidget());
        ASSERT_NE(focused, nullptr);
        EXPECT_EQ(focused->text().remove(QLatin1Char('&')), QString::fromLatin1(row.focus));
        QTest::qWait(150);
        EXPECT_EQ(saves, row.saveClicks) << "a second, late click";
    }
}
