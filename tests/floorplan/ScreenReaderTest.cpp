// The plan editor as a screen reader hears it: the real editor in a process
// of its own on a virtual display, Qt's AT-SPI bridge, the AT-SPI registry,
// and a listener here through libatspi (RealBridge.h). What the window
// tests hear through the program's own listener must also come out of the
// bridge, whole and in a form libatspi takes; and what a reader does to the
// editor (a Press) reaches it as from a reader on a desktop.

#include "LargePlan.h"
#include "RealBridge.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace tessavo::test;
using namespace tessavo::test::realbridge;

namespace {

// What a screen reader registers for: besides the news of the plot's
// children, state changes, which Qt's bridge wants a listener for before it
// tells of a child going.
const std::vector<std::string> kReaderEvents = {
    "object:children-changed",
    "object:state-changed",
    "object:property-change:accessible-name",
    "object:bounds-changed",
};

constexpr int kElements = 8;

std::vector<Heard> ofType(const std::vector<Heard> &heard, const std::string &type,
                          const std::string &source = {})
{
    std::vector<Heard> found;
    std::copy_if(heard.begin(), heard.end(), std::back_inserter(found), [&](const Heard &h) {
        return h.type == type && (source.empty() || h.source == source);
    });
    return found;
}

class ScreenReaderTest : public ::testing::Test {
protected:
    // One desktop for the whole program: libatspi binds to one bus.
    static void SetUpTestSuite()
    {
        s_desktop = std::make_unique<Desktop>();
        s_desktopError = s_desktop->start();
    }
    static void TearDownTestSuite() { s_desktop.reset(); }

    void SetUp() override
    {
        ASSERT_EQ(s_desktopError, "");
        listener = std::make_unique<Listener>(*s_desktop, kReaderEvents, true);
        ASSERT_EQ(listener->error(), "");
        // The bridge learns at its start what readers listen for.
        ASSERT_EQ(editor.start(*s_desktop, true), "");
        ASSERT_EQ(editor.step("plan " + std::to_string(kElements)),
                  "plan " + std::to_string(kElements));
        ASSERT_EQ(listener->catchUp(editor), "");
        listener->take();
        EXPECT_EQ(listener->takeWarnings(), std::vector<std::string>());
    }

    void TearDown() override
    {
        EXPECT_EQ(editor.finish(), "");
        listener.reset();
    }

    // Takes the step, then everything the reader heard of it.
    std::vector<Heard> heardOf(const std::string &step, std::string *answer)
    {
        *answer = editor.step(step);
        EXPECT_EQ(listener->catchUp(editor), "") << step;
        const std::vector<std::string> warnings = listener->takeWarnings();
        EXPECT_TRUE(warnings.empty()) << step << ": libatspi warned: " << warnings.front();
        return listener->take();
    }

    std::vector<Heard> heardOf(const std::string &step, const std::string &expectedAnswer)
    {
        std::string answer;
        std::vector<Heard> heard = heardOf(step, &answer);
        EXPECT_EQ(answer, expectedAnswer) << step;
        return heard;
    }

    // Opens the plan; the plot's object path, its children as heard coming,
    // and all that was heard.
    std::string open(std::vector<Heard> *added, std::vector<Heard> *heard = nullptr)
    {
        const std::vector<Heard> all = heardOf("open", "opened " + std::to_string(kElements));
        if (heard)
            *heard = all;
        const std::vector<Heard> adds = ofType(all, "object:children-changed:add");
        const auto home = std::find_if(adds.begin(), adds.end(),
                                       [](const Heard &h) { return h.childName == "HOME"; });
        if (home == adds.end())
            return {};
        *added = ofType(adds, "object:children-changed:add", home->source);
        return home->source;
    }

    static inline std::unique_ptr<Desktop> s_desktop;
    static inline std::string s_desktopError;
    std::unique_ptr<Listener> listener;
    Editor editor;
};

TEST_F(ScreenReaderTest, OpenIsHeardRoomByRoomAndSaveAsRemovals)
{
    std::vector<Heard> added;
    std::vector<Heard> heard;
    const std::string plot = open(&added, &heard);
    ASSERT_NE(plot, "") << "no child named HOME was heard coming";
    // Once each: a room comes named and placed, not renamed and moved after.
    for (const Heard &h : heard) {
        const bool ofAnElement = std::any_of(added.begin(), added.end(),
                                             [&](const Heard &a) { return a.child == h.source; });
        EXPECT_FALSE(ofAnElement) << h.type;
    }

    // Each element as it came, named as the element, a child of the plot at
    // its place there.
    std::vector<std::string> names;
    for (const Heard &h : added)
        names.push_back(h.childName);
    std::vector<std::string> expected;
    for (const auto &record : largeplan::makePlan(kElements))
        expected.push_back(record.text.toStdString());
    EXPECT_EQ(names, expected);
    for (std::size_t i = 0; i < added.size(); ++i) {
        EXPECT_EQ(listener->parentOf(added[i].child), plot) << names[i];
        EXPECT_EQ(listener->indexInParent(added[i].child), static_cast<int>(i)) << names[i];
    }

    // Save's clearing: each child goes, the last first.
    const std::vector<Heard> removed =
        ofType(heardOf("save", "saved 0"), "object:children-changed:remove", plot);
    std::vector<std::string> gone;
    for (const Heard &h : removed)
        gone.push_back(h.child);
    std::vector<std::string> comeInReverse;
    for (auto h = added.rbegin(); h != added.rend(); ++h)
        comeInReverse.push_back(h->child);
    EXPECT_EQ(gone, comeInReverse);
}

TEST_F(ScreenReaderTest, ALookedAtElementIsHeardMovingAndRenamed)
{
    std::vector<Heard> added;
    ASSERT_NE(open(&added), "");
    const auto mover = std::find_if(added.begin(), added.end(),
                                    [](const Heard &h) { return h.childName == "MOVER"; });
    // The reader looked at it: it read its name.
    ASSERT_NE(mover, added.end());
    const std::string element = mover->child;
    const std::string index = std::to_string(largeplan::kMover);

    std::string answer;
    const std::vector<Heard> moved =
        ofType(heardOf("move " + index + " 10 10", &answer), "object:bounds-changed", element);
    int x = 0, y = 0, width = 0, height = 0;
    ASSERT_EQ(std::sscanf(answer.c_str(), "moved %d %d %d %d", &x, &y, &width, &height), 4)
        << answer;
    ASSERT_NE(width, height) << "on a square element, width and height swapped go unheard";
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_TRUE(moved[0].hasBox);
    EXPECT_EQ(std::vector<int>({moved[0].x, moved[0].y, moved[0].width, moved[0].height}),
              std::vector<int>({x, y, width, height}));

    const std::vector<Heard> renamed = ofType(heardOf("rename " + index + " STUDY", "renamed"),
                                              "object:property-change:accessible-name", element);
    ASSERT_EQ(renamed.size(), 1u);
    EXPECT_TRUE(renamed[0].hasText) << "the news carries no name";
    EXPECT_EQ(renamed[0].text, "STUDY");
    EXPECT_EQ(listener->nameOf(element), "STUDY");
}

TEST_F(ScreenReaderTest, APressUnderSavesQuestionLeavesTheFileAsSaveCheckedIt)
{
    // A box blocks its window to the mouse and the keys, not to a reader:
    // the "activate" of Delete Room while Save asks must not retire the
    // room that holds both entrances and the door from the plan Save
    // checked and then writes.
    std::vector<Heard> added;
    ASSERT_NE(open(&added), "");
    const std::string home = std::to_string(largeplan::kHome);
    ASSERT_EQ(editor.step("select " + home), "selected " + home);
    ASSERT_EQ(editor.step("save-ask"), "asking");
    EXPECT_EQ(listener->press(editor, "Delete Room"), "");
    EXPECT_EQ(editor.step("settle"), "settled");
    ASSERT_EQ(editor.step("answer yes"), "saved 0");

    struct Box {
        double left = 0, top = 0, width = 0, height = 0;
        bool holds(const Box &b) const
        {
            return b.left >= left && b.top >= top && b.left + b.width <= left + width &&
                   b.top + b.height <= top + height;
        }
    };
    const auto record = [this](int k, std::string *text) {
        const std::string answer = editor.step("record " + std::to_string(k));
        Box b;
        int textAt = 0;
        EXPECT_EQ(std::sscanf(answer.c_str(), "record %*d %lf %lf %lf %lf %n", &b.left, &b.top,
                              &b.width, &b.height, &textAt),
                  4)
            << answer;
        *text = answer.substr(static_cast<std::size_t>(textAt));
        return b;
    };
    const auto planned = largeplan::makePlan(kElements)[0];
    std::string text;
    const Box saved = record(largeplan::kHome, &text);
    EXPECT_EQ(text, "HOME");
    EXPECT_EQ(std::vector<double>({saved.left, saved.top, saved.width, saved.height}),
              std::vector<double>({planned.left, planned.top, planned.width, planned.height}))
        << "HOME was retired under the question";
    for (int k = largeplan::kHome + 1; k < largeplan::kMover; ++k)
        EXPECT_TRUE(saved.holds(record(k, &text)))
            << "record " << k << " (" << text << ") lies outside HOME";
}

TEST_F(ScreenReaderTest, AKeyHeldDownPressesOnce)
{
    // The keys come from the desktop, through the bridge, which holds each
    // press and release back while it asks the reader about it. Held down,
    // Enter on Save must leave Save's question open, and Alt+B show the
    // chart without its repeats pressing the chart's Back.
    std::vector<Heard> added;
    ASSERT_NE(open(&added), "");
    ASSERT_EQ(editor.step("entrances"), "entrances made");
    ASSERT_EQ(editor.step("real-boxes"), "real boxes");
    const std::string file = editor.step("file");
    Keyboard keyboard(*s_desktop);
    ASSERT_EQ(keyboard.error(), "");
    const std::string elements = " elements " + std::to_string(kElements);
    const struct {
        const char *what;
        std::uint32_t keysym;
        bool alt;
        std::string state;
    } rows[] = {
        {"Enter held on Save", 0xff0d, false,
         "box Do you want to save the Plot Chart? chart 0 0" + elements},
        {"Alt+B held", 'b', true, "box none chart 1 1" + elements},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_EQ(editor.step("focus Command2"), "focused Command2");
        EXPECT_EQ(keyboard.hold(row.keysym, row.alt, Millis(1000)), "");
        const std::string state = editor.step("state");
        EXPECT_EQ(state, row.state);
        EXPECT_EQ(editor.step("file"), file);
        if (state.rfind("box none", 0) != 0) {
            EXPECT_EQ(editor.step("dismiss"), "dismissed");
        }
    }
}

} // namespace
