#include "UiFixture.h"

#include "frame/modHelp.h"
#include "platform/Form.h"
#include "platform/FormRegistry.h"
#include "platform/ModalLoops.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStringList>

using namespace tessavo;
using namespace tessavo::test;

namespace {

QStringList g_events;

// Module data outlives the window.
struct ProbeModule {
    int loads = 0;
} g_probeModule;

class Probe : public Form {
public:
    static constexpr const char *kName = "frmProbe";
    Probe() : Form(QString::fromLatin1(kName), FormKind::Child)
    {
        caption = new QLabel(QStringLiteral("design"), this);
    }
    void Form_Load() override
    {
        g_events << QStringLiteral("load");
        ++g_probeModule.loads;
        // Reaching the window from its own load handler gives this instance.
        sameInstanceDuringLoad = &form<Probe>() == this;
        caption->setText(QStringLiteral("loaded"));
    }
    void Form_Unload() override
    {
        g_events << QStringLiteral("unload");
        sameInstanceDuringUnload = &form<Probe>() == this;
    }
    QLabel *caption;
    bool sameInstanceDuringLoad = false;
    bool sameInstanceDuringUnload = false;
};

// A window that records when it is unloaded, under any name.
class Named : public Form {
public:
    explicit Named(const QString &name, bool endsProgram = false)
        : Form(name, FormKind::TopLevel), m_endsProgram(endsProgram)
    {
    }
    void Form_Unload() override
    {
        g_events << formName();
        if (m_endsProgram)
            UnloadAllForms();
    }

private:
    bool m_endsProgram;
};

void addNamed(const QString &name, bool endsProgram = false)
{
    FormRegistry::instance().registerFactory(name,
                                             [=] { return new Named(name, endsProgram); });
}

class FormRegistryTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        g_events.clear();
    }
};

} // namespace

TEST_F(FormRegistryTest, FirstUseLoadsBeforeTheUseCompletes)
{
    EXPECT_FALSE(isLoaded<Probe>());
    Probe &probe = form<Probe>();
    EXPECT_EQ(g_events, QStringList{"load"});
    EXPECT_EQ(probe.caption->text(), "loaded");
    EXPECT_TRUE(probe.sameInstanceDuringLoad);
    EXPECT_FALSE(probe.isVisible()) << "loading does not show";
    EXPECT_EQ(&form<Probe>(), &probe);
    EXPECT_EQ(g_events.size(), 1) << "a second use does not load again";
}

TEST_F(FormRegistryTest, UnloadRunsTheHandlerOnceAndDeletesLater)
{
    QPointer<Probe> probe = &form<Probe>();
    probe->Show();
    probe->Hide();
    EXPECT_TRUE(isLoaded<Probe>()) << "hiding is not unloading";

    FormRegistry::instance().unload(probe);
    EXPECT_TRUE(probe->sameInstanceDuringUnload);
    EXPECT_FALSE(isLoaded<Probe>());
    EXPECT_TRUE(probe) << "deleted only later";
    FormRegistry::instance().unload(probe);
    flushDeletes();
    EXPECT_FALSE(probe);
    EXPECT_EQ(g_events, (QStringList{"load", "unload"}));

    unloadForm<Probe>(); // not loaded: nothing happens
    EXPECT_EQ(g_events.size(), 2);
}

TEST_F(FormRegistryTest, AWindowUnloadedWhileABoxIsOpenIsDeletedOnlyOnceNoBoxIs)
{
    QPointer<Probe> probe = &form<Probe>();
    {
        // Timers run in a box's loop: the window may be unloaded there while
        // its own handler waits below the box.
        const ModalScope outer;
        {
            const ModalScope inner;
            unloadForm<Probe>();
            flushDeletes();
            EXPECT_TRUE(probe);
        }
        // A box opened and closed inside another: the outer one still waits.
        flushDeletes();
        EXPECT_TRUE(probe);
    }
    EXPECT_FALSE(isLoaded<Probe>());
    flushDeletes();
    EXPECT_FALSE(probe);
}

TEST_F(FormRegistryTest, ReloadStartsAfreshWhileModuleDataSurvives)
{
    const int loadsBefore = g_probeModule.loads;
    form<Probe>().caption->setText(QStringLiteral("typed"));
    unloadForm<Probe>();
    flushDeletes();
    EXPECT_EQ(form<Probe>().caption->text(), "loaded");
    EXPECT_EQ(g_probeModule.loads, loadsBefore + 2);
}

TEST_F(FormRegistryTest, LoadedWindowsKeepLoadOrder)
{
    for (const char *name : {"frmC", "frmA", "frmB"})
        addNamed(QString::fromLatin1(name));
    auto &registry = FormRegistry::instance();
    registry.load("frmC");
    registry.load("frmA");
    registry.load("frmB");
    registry.load("frmC");
    QStringList names;
    for (Form *f : registry.loaded())
        names << f->formName();
    EXPECT_EQ(names, (QStringList{"frmC", "frmA", "frmB"}));
    EXPECT_EQ(registry.load("frmUnknown"), nullptr);
}

TEST_F(FormRegistryTest, UnloadAllFormsUnloadsInLoadOrderAndEndsOnce)
{
    // The second window re-enters UnloadAllForms from its unload handler,
    // as the start-up window and the closing screen do.
    addNamed("frmFirst");
    addNamed("frmEnder", true);
    addNamed("frmLast");
    auto &registry = FormRegistry::instance();
    registry.load("frmFirst");
    registry.load("frmEnder");
    registry.load("frmLast");

    EXPECT_THROW(UnloadAllForms(), ProcessEnded);
    EXPECT_EQ(fakes.processEnd->ends, 1);
    EXPECT_EQ(g_events, (QStringList{"frmFirst", "frmEnder", "frmLast"}));
}

TEST_F(FormRegistryTest, UnloadAllFormsWithNothingLoadedStillEnds)
{
    EXPECT_THROW(UnloadAllForms(), ProcessEnded);
    EXPECT_EQ(fakes.processEnd->ends, 1);
}

TEST_F(FormRegistryTest, ChildWindowsLiveInTheMdiAreaAndTheCloseBoxUnloads)
{
    QMdiArea area;
    area.resize(800, 600);
    area.show();
    FormRegistry::instance().setMdiArea(&area);

    Probe &probe = form<Probe>();
    probe.setClientSize(4980, 2265);
    probe.Show();
    ASSERT_NE(probe.subWindow(), nullptr);
    EXPECT_EQ(area.subWindowList().size(), 1);
    EXPECT_TRUE(probe.Visible());
    EXPECT_GE(probe.Width(), 4980);

    probe.setLeft(1500);
    probe.setTop(0);
    EXPECT_DOUBLE_EQ(probe.Left(), 1500);
    EXPECT_DOUBLE_EQ(probe.Top(), 0);

    probe.subWindow()->close();
    EXPECT_FALSE(isLoaded<Probe>());
    EXPECT_EQ(g_events, (QStringList{"load", "unload"}));
    flushDeletes();
    EXPECT_TRUE(area.subWindowList().isEmpty());
    FormRegistry::instance().setMdiArea(nullptr);
}

TEST_F(FormRegistryTest, ToolWindowPlacementCentresOnTheScreenAtTheTop)
{
    fakes.screen->width = 19200;
    Probe &probe = form<Probe>();
    probe.setClientSize(4980, 2265);
    probe.placeAsToolWindow();
    const double expected = (19200 - probe.Width()) / 2;
    EXPECT_NEAR(probe.Left(), expected, 15) << "within one pixel";
    EXPECT_DOUBLE_EQ(probe.Top(), 0);
}
