// The plan editor at the sizes the plan file accepts, measured as a user
// meets it: the real editor window on the offscreen platform, plans written
// to Structure.txt and opened through the editor's own Open, clicks and drags
// sent as mouse events, each followed by the paint it causes.
//
// Prints Google Benchmark's own lines, then one table: elements by Open
// (alone, and with assistive technology listening), click, drag step, full
// redraw and Save, and the resident memory a 32,767-element plan adds to
// the empty editor.

#include "Fakes.h"
#include "LargePlan.h"
#include "OffscreenApplication.h"

#include "app/FormCatalog.h"
#include "floorplan/PlanFile.h"
#include "floorplan/PlanModel.h"
#include "floorplan/PlanRules.h"
#include "floorplan/PlotWidgets.h"
#include "floorplan/frmMainFengShuiBagua.h"
#include "frame/MDI.h"
#include "platform/Accessibility.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormRegistry.h"
#include "platform/Twips.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QTemporaryDir>

#include <malloc.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>

using namespace tessavo;
using namespace tessavo::floorplan;

namespace {

using test::largeplan::kFirstGridRoom;
using test::largeplan::kMover;
using test::largeplan::kTwipsPerPixel;
using test::largeplan::makePlan;

struct Harness {
    QTemporaryDir folder;
    test::Fakes fakes{};
    MDI *mdi = nullptr;
    frmMainFengShuiBagua *editor = nullptr;
    int loaded = 0; // elements in the plan file now on disk
};

Harness *g_harness = nullptr;

void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

long residentKiB()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Empties the editor's plan as Save's clearing does, without the file.
void clearPlan()
{
    Plan &plan = g_harness->editor->plan();
    while (plan.upperBound() > 0)
        plan.unloadLast();
    modGreatFengShui().RoomCount = 0;
    settle();
}

void writePlan(int elements)
{
    if (g_harness->loaded == elements)
        return;
    const QString path = planFilePath(g_harness->folder.path());
    if (!writePlanFile(path, makePlan(elements)))
        std::abort();
    g_harness->loaded = elements;
}

// Opens the plan of that size into an empty editor, through File > Open.
void openPlan(int elements)
{
    clearPlan();
    writePlan(elements);
    g_harness->editor->cmdOpen_Click();
    settle();
    if (g_harness->editor->plan().upperBound() != elements)
        std::abort();
}

// Sends a mouse event where a user would point: to whatever the plot shows
// at that point.
class Pointer {
public:
    explicit Pointer(QWidget *plot) : m_plot(plot) {}

    void press(QPoint at)
    {
        m_target = m_plot->childAt(at);
        if (!m_target)
            m_target = m_plot;
        send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    }
    void move(QPoint at) { send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
    void release(QPoint at) { send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); }

private:
    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        const QPoint local = m_target->mapFrom(m_plot, at);
        const QPoint global = m_plot->mapToGlobal(at);
        QMouseEvent event(type, QPointF(local), QPointF(global), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(m_target, &event);
    }

    QWidget *m_plot;
    QWidget *m_target = nullptr;
};

// Counts the plot's paints, to show that each measured step was drawn.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *plot) : m_plot(plot) { plot->installEventFilter(this); }
    ~PaintCounter() override { m_plot->removeEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }

private:
    QWidget *m_plot;
};

QPoint centreOf(int index)
{
    const PlanElement &e = g_harness->editor->plan().at(index);
    const double x = (e.left + e.width / 2) / kTwipsPerPixel;
    const double y = (e.top + e.height / 2) / kTwipsPerPixel;
    return {static_cast<int>(x), static_cast<int>(y)};
}

void BM_Open(benchmark::State &state)
{
    const int elements = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        clearPlan();
        writePlan(elements);
        state.ResumeTiming();
        g_harness->editor->cmdOpen_Click();
        settle();
    }
    state.SetItemsProcessed(state.iterations() * elements);
}

// Listeners in place of a screen reader behind the desktop's bridge: one
// that does nothing with what it hears, and one that does what the bridge
// does to tell a reader where a new child went: it finds the element among
// its parent's children.
void hearNothing(QAccessibleEvent *) {}

void hearAsAReader(QAccessibleEvent *event)
{
    QAccessibleInterface *about = event->accessibleInterface();
    if (QAccessibleInterface *parent = about ? about->parent() : nullptr)
        benchmark::DoNotOptimize(parent->indexOfChild(about));
}

void BM_OpenHeardByNoOne(benchmark::State &state)
{
    const AccessibilityListener listener(&hearNothing);
    BM_Open(state);
}

void BM_OpenHeardByAReader(benchmark::State &state)
{
    const AccessibilityListener listener(&hearAsAReader);
    BM_Open(state);
}

void BM_Click(benchmark::State &state)
{
    const int elements = static_cast<int>(state.range(0));
    openPlan(elements);
    Pointer pointer(g_harness->editor->picRoomLocation);
    const QPoint targets[] = {centreOf(kFirstGridRoom), centreOf(elements)};
    PaintCounter counter(g_harness->editor->picRoomLocation);
    std::size_t n = 0;
    for (auto _ : state) {
        // Each click moves the selection to the other room.
        const QPoint at = targets[n++ % 2];
        pointer.press(at);
        pointer.release(at);
        settle();
    }
    state.counters["paints"] =
        benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
    if (!g_harness->editor->plan().at(elements).isHighlighted() &&
        !g_harness->editor->plan().at(kFirstGridRoom).isHighlighted())
        state.SkipWithError("the click selected nothing");
}

void BM_DragStep(benchmark::State &state)
{
    const int elements = static_cast<int>(state.range(0));
    openPlan(elements);
    Pointer pointer(g_harness->editor->picRoomLocation);
    PaintCounter counter(g_harness->editor->picRoomLocation);
    int step = 4;
    for (auto _ : state) {
        // Press on the room, one step of the drag, drop: the drop runs the
        // overlap test. The next step goes back.
        const QPoint at = centreOf(kMover);
        pointer.press(at);
        pointer.move(at + QPoint(step, step));
        pointer.release(at + QPoint(step, step));
        settle();
        step = -step;
    }
    state.counters["paints"] =
        benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
    if (modGreatFengShui().RoomsOverlap)
        state.SkipWithError("the dragged room was refused");
}

void BM_FullRedraw(benchmark::State &state)
{
    const int elements = static_cast<int>(state.range(0));
    openPlan(elements);
    for (auto _ : state) {
        QPixmap shot = g_harness->editor->picRoomLocation->grab();
        benchmark::DoNotOptimize(shot);
    }
}

void BM_Save(benchmark::State &state)
{
    const int elements = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        openPlan(elements);
        g_harness->fakes.messageBox->shown.clear();
        state.ResumeTiming();
        g_harness->editor->Command2_Click();
        settle();
        state.PauseTiming();
        if (g_harness->editor->plan().upperBound() != 0) {
            state.SkipWithError("the plan was not saved");
            break;
        }
        state.ResumeTiming();
    }
}

// What Save and Generate Bagua Chart ask of the whole plan: whether any two
// of its rooms overlap. The plan's rooms touch, so every room is looked at.
void BM_JudgePlan(benchmark::State &state)
{
    const int elements = static_cast<int>(state.range(0));
    openPlan(elements);
    const Plan &plan = g_harness->editor->plan();
    bool overlap = false;
    for (auto _ : state) {
        overlap = planHasOverlappingRooms(plan);
        benchmark::DoNotOptimize(overlap);
    }
    state.SetItemsProcessed(state.iterations() * elements);
    if (overlap)
        state.SkipWithError("the plan was judged to have overlapping rooms");
}

// Resident memory the largest plan adds to the empty editor, with it drawn.
void BM_Memory(benchmark::State &state)
{
    const int elements = static_cast<int>(state.range(0));
    double added = 0;
    for (auto _ : state) {
        clearPlan();
        malloc_trim(0);
        const long before = residentKiB();
        openPlan(elements);
        QPixmap shot = g_harness->editor->picRoomLocation->grab();
        benchmark::DoNotOptimize(shot);
        added = static_cast<double>(residentKiB() - before) / 1024.0;
        clearPlan();
    }
    state.counters["added_MB"] = added;
}

const std::vector<int64_t> kSizes = {100, 1000, 5000, 32767};

void sizes(benchmark::internal::Benchmark *b)
{
    for (int64_t n : kSizes)
        b->Arg(n);
    b->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(0.3);
}

// Registered first, so it runs on a fresh heap.
BENCHMARK(BM_Memory)->Arg(32767)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open)->Apply(sizes);
BENCHMARK(BM_OpenHeardByNoOne)->Apply(sizes);
BENCHMARK(BM_OpenHeardByAReader)->Apply(sizes);
BENCHMARK(BM_Click)->Apply(sizes);
BENCHMARK(BM_DragStep)->Apply(sizes);
BENCHMARK(BM_FullRedraw)->Apply(sizes);
BENCHMARK(BM_Save)->Apply(sizes);
BENCHMARK(BM_JudgePlan)->Apply(sizes);

// Shows Google Benchmark's lines and keeps each result for the table.
class TableReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.error_occurred)
                continue;
            const std::string name = run.benchmark_name();
            const auto slash = name.find('/');
            const std::string what = name.substr(0, slash);
            const int elements = std::stoi(name.substr(slash + 1));
            if (what == "BM_Memory") {
                m_addedMB = run.counters.at("added_MB").value;
                continue;
            }
            m_ms[elements][what] = run.GetAdjustedRealTime();
        }
    }

    void printTable() const
    {
        const char *columns[] = {"BM_Open",  "BM_OpenHeardByNoOne", "BM_OpenHeardByAReader",
                                 "BM_Click", "BM_DragStep",         "BM_FullRedraw",
                                 "BM_Save",  "BM_JudgePlan"};
        std::printf("\n| elements | Open | Open, a no-op listener | Open, a reader listening | one "
                    "click | one drag step | full redraw | Save | judging the whole plan |\n");
        std::printf("|---|---|---|---|---|---|---|---|---|\n");
        for (const auto &[elements, row] : m_ms) {
            std::printf("| %d |", elements);
            for (const char *column : columns) {
                const auto found = row.find(column);
                if (found == row.end())
                    std::printf(" – |");
                else
                    std::printf(" %.2f ms |", found->second);
            }
            std::printf("\n");
        }
        if (m_addedMB >= 0)
            std::printf("\nResident memory added by a 32,767-element plan: %.1f MB\n", m_addedMB);
        const double judgeSmall = at(1000, "BM_JudgePlan");
        const double judgeLarge = at(32767, "BM_JudgePlan");
        const double openLarge = at(32767, "BM_Open");
        if (judgeSmall > 0 && judgeLarge > 0 && openLarge > 0) {
            std::printf("Judging the whole plan at 32,767 elements: %.2f of Open's time; per "
                        "element %.1f ns, %.2f times the %.1f ns at 1,000\n",
                        judgeLarge / openLarge, judgeLarge * 1e6 / 32767,
                        (judgeLarge / 32767) / (judgeSmall / 1000), judgeSmall * 1e6 / 1000);
        }
    }

private:
    // Milliseconds of one benchmark at one size; 0 when it did not run.
    double at(int elements, const std::string &what) const
    {
        const auto row = m_ms.find(elements);
        if (row == m_ms.end())
            return 0;
        const auto found = row->second.find(what);
        return found == row->second.end() ? 0 : found->second;
    }

    std::map<int, std::map<std::string, double>> m_ms;
    double m_addedMB = -1;
};

} // namespace

int main(int argc, char **argv)
{
    test::OffscreenApplication app(argc, argv);

    Harness harness;
    g_harness = &harness;
    harness.fakes = test::installFakes();
    harness.fakes.programFolder->folder = harness.folder.path();
    QFile companion(harness.folder.filePath(QStringLiteral("Bmp2Jpeg.dll")));
    if (!companion.open(QIODevice::WriteOnly))
        return 1;
    companion.close();

    registerAllForms();
    harness.mdi = &form<MDI>();
    harness.mdi->Show();
    harness.mdi->cmdCallMainForm_Click(4);
    harness.editor = &form<frmMainFengShuiBagua>();
    harness.editor->txtPlotLength->setText(QStringLiteral("60"));
    harness.editor->txtPlotWidth->setText(QStringLiteral("60"));
    harness.editor->cmdMesure_Click();
    // At the main window's top-left corner, so that the whole plot is in
    // sight: a part out of sight would not be painted.
    harness.editor->setLeft(0);
    harness.editor->setTop(0);
    settle();
    const QWidget *plot = harness.editor->picRoomLocation;
    if (plot->visibleRegion().boundingRect() != plot->rect()) {
        std::fprintf(stderr, "The plot is not wholly in sight: %dx%d.\n",
                     plot->visibleRegion().boundingRect().width(),
                     plot->visibleRegion().boundingRect().height());
        return 1;
    }

    benchmark::Initialize(&argc, argv);
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printTable();
    benchmark::Shutdown();
    return 0;
}
