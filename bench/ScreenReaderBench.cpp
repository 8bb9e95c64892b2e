// What a screen reader costs the plan editor: Open and Save's clearing of
// the largest plan the file holds, as CPU time of the editor's own process,
// measured through the real AT-SPI bridge on a desktop of the benchmark's
// own (the tests' harness, tests/support/RealBridge.h):
//
//   no reader         the desktop does not turn the bridge on
//   bridge, unheard   the bridge is on, no listener registered
//   a reader          a listener registered for what a screen reader hears;
//                     it takes every signal and asks nothing back
//
// Prints one table and the ratio of a reader's Open to the others; exits
// non-zero when a signal was dropped as invalid or a child went unheard.

#include "LargePlan.h"
#include "RealBridge.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using namespace tessavo::test;
using namespace tessavo::test::realbridge;

namespace {

constexpr int kElements = 32767;
constexpr int kRuns = 5;
const Millis kStepTime(300000);

const std::vector<std::string> kReaderEvents = {
    "object:children-changed",
    "object:state-changed",
    "object:property-change:accessible-name",
    "object:bounds-changed",
};

struct Cost {
    double openSeconds = 0;
    double saveSeconds = 0;
};

[[noreturn]] void fail(const std::string &what)
{
    std::fprintf(stderr, "ScreenReaderBench: %s\n", what.c_str());
    std::exit(1);
}

long long cpuOf(Editor &editor)
{
    const std::string answer = editor.step("cpu");
    if (answer.rfind("cpu ", 0) != 0)
        fail("cpu: " + answer);
    return std::stoll(answer.substr(4));
}

void expect(Editor &editor, const std::string &step, const std::string &answer)
{
    const std::string got = editor.step(step, kStepTime);
    if (got != answer)
        fail(step + ": " + got);
}

std::size_t count(const std::vector<Heard> &heard, const std::string &type)
{
    return static_cast<std::size_t>(
        std::count_if(heard.begin(), heard.end(), [&](const Heard &h) { return h.type == type; }));
}

// The least CPU of the runs of Open and of Save's clearing, in an editor
// started for them.
Cost measure(const Desktop &desktop, bool bridge, Listener *listener)
{
    Editor editor;
    if (std::string error = editor.start(desktop, bridge); !error.empty())
        fail(error);
    expect(editor, "bridge", bridge ? "bridge on" : "bridge off");
    const auto settle = [&] {
        if (listener) {
            if (std::string error = listener->catchUp(editor); !error.empty())
                fail(error);
        }
    };
    const auto check = [&](const char *what, const std::string &type) {
        if (!listener)
            return;
        const std::vector<Heard> heard = listener->take();
        const std::vector<std::string> warnings = listener->takeWarnings();
        if (!warnings.empty())
            fail(std::string(what) + ": libatspi warned: " + warnings.front());
        if (count(heard, type) != static_cast<std::size_t>(kElements))
            fail(std::string(what) + ": " + std::to_string(count(heard, type)) + " of " +
                 std::to_string(kElements) + " children heard");
    };
    Cost least{1e9, 1e9};
    for (int run = 0; run < kRuns; ++run) {
        expect(editor, "plan " + std::to_string(kElements), "plan " + std::to_string(kElements));
        settle();
        if (listener)
            listener->take();
        const long long beforeOpen = cpuOf(editor);
        expect(editor, "open", "opened " + std::to_string(kElements));
        settle();
        const long long afterOpen = cpuOf(editor);
        check("Open", "object:children-changed:add");
        expect(editor, "save", "saved 0");
        settle();
        const long long afterSave = cpuOf(editor);
        check("Save", "object:children-changed:remove");
        least.openSeconds = std::min(least.openSeconds, (afterOpen - beforeOpen) / 1e6);
        least.saveSeconds = std::min(least.saveSeconds, (afterSave - afterOpen) / 1e6);
    }
    if (std::string error = editor.finish(); !error.empty())
        fail(error);
    return least;
}

} // namespace

int main()
{
    Desktop desktop;
    if (std::string error = desktop.start(); !error.empty())
        fail("desktop: " + error);

    const Cost noReader = measure(desktop, false, nullptr);
    const Cost unheard = measure(desktop, true, nullptr);
    Cost reader;
    {
        Listener listener(desktop, kReaderEvents, false);
        if (!listener.error().empty())
            fail(listener.error());
        reader = measure(desktop, true, &listener);
    }

    std::printf("\nCPU time of the editor's process, %d elements, least of %d runs, through the "
                "real AT-SPI bridge:\n\n",
                kElements, kRuns);
    std::printf("| | Open | Save's clearing |\n|---|---|---|\n");
    const auto row = [](const char *what, const Cost &cost) {
        std::printf("| %s | %.3f s | %.3f s |\n", what, cost.openSeconds, cost.saveSeconds);
    };
    row("no reader (bridge off)", noReader);
    row("bridge on, no listener", unheard);
    row("a reader listening", reader);
    std::printf("\nOpen with a reader listening: %.1fx the CPU of Open with no reader, %.1fx with "
                "the bridge on and no listener; every child heard, no signal dropped as "
                "invalid.\n",
                reader.openSeconds / noReader.openSeconds,
                reader.openSeconds / unheard.openSeconds);
    return 0;
}
