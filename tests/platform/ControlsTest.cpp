#include "Fakes.h"
#include "RealClipboard.h"

#include "platform/Controls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>

using namespace tessavo;

TEST(FocusHook, LostFocusOnlyWhenTheFocusMovesWithinTheProgram)
{
    struct Row {
        Qt::FocusReason reason;
        int lost;
    };
    const Row rows[] = {{Qt::TabFocusReason, 1},     {Qt::MouseFocusReason, 1},
                        {Qt::OtherFocusReason, 1},   {Qt::BacktabFocusReason, 1},
                        {Qt::ActiveWindowFocusReason, 0}, {Qt::PopupFocusReason, 0}};
    for (const Row &row : rows) {
        QLineEdit box;
        int got = 0;
        int lost = 0;
        new FocusHook(&box, [&] { ++got; }, [&] { ++lost; });
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
