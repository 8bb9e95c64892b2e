// The clipboard guard: what it empties, and when.

#include "Fakes.h"
#include "RealClipboard.h"
#include "UiFixture.h"

#include "platform/QtServices.h"
#include "platform/Services.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

using namespace tessavo;
using namespace tessavo::test;

TEST(ClipboardGuard, EmptiesOnceTheEventIsOverAndTheSelectionWhereThereIsOne)
{
    using Modes = QList<ClipboardMode>;
    constexpr auto Clipboard = ClipboardMode::Clipboard;
    constexpr auto Selection = ClipboardMode::Selection;
    struct Row {
        const char *what;
        bool selection;
        int requests; // guard calls within one event
        Modes cleared;
    };
    const Row rows[] = {
        {"a desktop with a selection", true, 1, {Clipboard, Selection}},
        {"a desktop without one", false, 1, {Clipboard}},
        {"every touch of one event", true, 5, {Clipboard, Selection}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        Fakes fakes = installFakes();
        fakes.clipboard->selection = row.selection;
        for (int i = 0; i < row.requests; ++i)
            guardClipboard();
        EXPECT_EQ(fakes.clipboard->cleared, Modes{}) << "nothing before the event is over";
        finishEvent();
        EXPECT_EQ(fakes.clipboard->cleared, row.cleared);
        EXPECT_EQ(fakes.clipboard->clears, 1);
        // The next event's touch empties the clipboard again.
        guardClipboard();
        finishEvent();
        EXPECT_EQ(fakes.clipboard->clears, 2);
    }
    // Without a clipboard the guard does nothing, and fails on nothing.
    services().clipboard.reset();
    guardClipboard();
    finishEvent();
    installFakes();
}

TEST(ClipboardGuard, TheDesktopClipboardEmptiesBothWhereItHasASelection)
{
    RealClipboard real;
    QClipboard *clipboard = QGuiApplication::clipboard();
    const bool selection = clipboard->supportsSelection();
    EXPECT_EQ(makeQtClipboard()->hasSelection(), selection);
    clipboard->setText(QStringLiteral("copied"));
    if (selection)
        clipboard->setText(QStringLiteral("selected"), QClipboard::Selection);
    guardClipboard();
    finishEvent();
    EXPECT_EQ(clipboard->text(), QString());
    EXPECT_EQ(clipboard->text(QClipboard::Selection), QString());
}
