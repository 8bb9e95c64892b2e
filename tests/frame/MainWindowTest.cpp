#include "HeldKey.h"
#include "UiFixture.h"

#include "app/FormCatalog.h"
#include "frame/MDI.h"
#include "frame/frmNagScreen.h"
#include "frame/modHelp.h"
#include "platform/Controls.h"
#include "platform/Twips.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

using namespace tessavo;
using namespace tessavo::test;

namespace {

QStringList g_unloaded;
QStringList g_loadedTools;

// Stands in for a tool, result or report window.
class StandIn : public Form {
public:
    explicit StandIn(const QString &name, bool withMenu = false) : Form(name, FormKind::Child)
    {
        setClientSize(4980, 2265);
        if (withMenu)
            addMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    }
    void Form_Load() override { g_loadedTools << formName(); }
    void Form_Unload() override
    {
        g_unloaded << formName();
        // As the tools' input and result windows do.
        setSplashPanelVisible(true);
    }
};

class MainWindowTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        g_unloaded.clear();
        g_loadedTools.clear();
        registerWithStandIns();
    }

    // Every window, with stand-ins for the tool, result and report windows.
    static void registerWithStandIns()
    {
        registerAllForms();
        for (const char *name : MDI::kToolSideWindows) {
            const QString n = QString::fromLatin1(name);
            FormRegistry::instance().registerFactory(n, [n] { return new StandIn(n); });
        }
    }

    MDI &main()
    {
        MDI &m = form<MDI>();
        m.resize(1280, 900);
        m.Show();
        return m;
    }

    Label *caption(MDI &m, int i)
    {
        return m.findChild<Label *>(arrayName(QStringLiteral("lblCaptions"), i));
    }
};

} // namespace

TEST_F(MainWindowTest, LayoutAndCaptions)
{
    MDI &m = main();
    // At the design size the splash panel leaves no room for tool windows.
    m.resize(twips::toPixels(8865), twips::toPixels(5865) + m.menuBar()->sizeHint().height());
    EXPECT_EQ(m.caption(), "Tessavo v1.75");
    const char *buttons[] = {"Kua Number", "Lo Shu", "Flying Star", "Ba Zi", "Bagua"};
    for (int i = 0; i < 5; ++i) {
        auto *button = m.findChild<QPushButton *>(arrayName(QStringLiteral("cmdCallMainForm"), i));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), buttons[i]);
        EXPECT_EQ(button->geometry(), twips::rect(480 + 1680 * i, 120, 1095, 480));
    }
    EXPECT_EQ(caption(m, 6)->text(), "Orlix Ba Zi ");
    EXPECT_EQ(caption(m, 3)->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(caption(m, 2)->palette().color(QPalette::WindowText), QColor(210, 94, 49));
    auto *cobrand = m.findChild<QLabel *>(QStringLiteral("lblCobrand"));
    EXPECT_TRUE(cobrand->text().contains("Put your site's name &  link here"));
    EXPECT_EQ(m.findChild<QPushButton *>(QStringLiteral("cmdExit"))->text(), "&Exit");
    EXPECT_TRUE(m.picMain()->isVisible());
    EXPECT_EQ(m.mdiArea()->height(), 0);

    // Centred by the screen width at load.
    const double screen = fakes.screen->width;
    const QLabel *heading = m.findChild<QLabel *>(QStringLiteral("lblHeading"));
    EXPECT_NEAR(twips::fromPixels(heading->x()), (screen - 3900) / 2, 15);
}

TEST_F(MainWindowTest, ToolButtonUnloadsTheFifteenInOrderThenOpensTheTool)
{
    MDI &m = main();
    // Load every tool-side window in a shuffled order first.
    std::vector<const char *> names(MDI::kToolSideWindows.begin(), MDI::kToolSideWindows.end());
    std::shuffle(names.begin(), names.end(), *QRandomGenerator::global());
    for (const char *name : names)
        FormRegistry::instance().load(QString::fromLatin1(name));
    g_loadedTools.clear();

    m.cmdCallMainForm_Click(2);

    QStringList expected;
    for (const char *name : MDI::kToolSideWindows)
        expected << QString::fromLatin1(name);
    EXPECT_EQ(g_unloaded, expected);
    EXPECT_EQ(g_loadedTools, QStringList{"frmMainFengShuiFlyingStar"});
    EXPECT_FALSE(m.picMain()->isVisible());
    Form *tool = FormRegistry::instance().find("frmMainFengShuiFlyingStar");
    ASSERT_NE(tool, nullptr);
    EXPECT_TRUE(tool->Visible());
    EXPECT_NEAR(tool->Left(), (fakes.screen->width - tool->Width()) / 2, 15);
    EXPECT_DOUBLE_EQ(tool->Top(), 0);
    EXPECT_GT(m.mdiArea()->height(), 0);
}

TEST_F(MainWindowTest, EachButtonAndToolCaptionOpensItsTool)
{
    MDI &m = main();
    for (int i = 0; i < 5; ++i) {
        g_loadedTools.clear();
        m.cmdCallMainForm_Click(i);
        EXPECT_EQ(g_loadedTools, QStringList{MDI::kToolWindows[i]});
        g_loadedTools.clear();
        QTest::mouseClick(caption(m, i + 3), Qt::LeftButton);
        EXPECT_EQ(g_loadedTools, QStringList{MDI::kToolWindows[i]});
    }
}

TEST_F(MainWindowTest, OpeningTheOpenToolAgainStartsItAfresh)
{
    MDI &m = main();
    m.cmdCallMainForm_Click(0);
    QPointer<Form> first = FormRegistry::instance().find("frmMainFengShuiKuaNumber");
    m.cmdCallMainForm_Click(0);
    flushDeletes();
    EXPECT_FALSE(first);
    EXPECT_EQ(g_loadedTools.size(), 2);
    EXPECT_EQ(g_unloaded, QStringList{"frmMainFengShuiKuaNumber"});
    EXPECT_FALSE(m.picMain()->isVisible()) << "hidden again after the unload showed it";
}

TEST_F(MainWindowTest, OtherCaptionsHideThePanelAndOpenNothing)
{
    for (int i : {0, 1, 2, 8}) {
        MDI &m = main();
        m.picMain()->setVisible(true);
        FormRegistry::instance().load("frmLoshu");
        g_loadedTools.clear();
        g_unloaded.clear();
        QTest::mouseClick(caption(m, i), Qt::LeftButton);
        EXPECT_FALSE(m.picMain()->isVisible()) << i;
        EXPECT_TRUE(g_loadedTools.isEmpty()) << i;
        EXPECT_EQ(g_unloaded, QStringList{"frmLoshu"}) << i;
    }
}

TEST_F(MainWindowTest, HoverUnderlineStaysUntilThePanelBackground)
{
    MDI &m = main();
    auto underlined = [&] {
        QList<int> out;
        for (int i = 0; i < 9; ++i) {
            if (caption(m, i)->font().underline())
                out << i;
        }
        return out;
    };
    QTest::mouseMove(caption(m, 0));
    EXPECT_TRUE(underlined().isEmpty());
    m.lblCaptions_MouseMove(3);
    m.lblCaptions_MouseMove(5);
    m.lblCaptions_MouseMove(8);
    EXPECT_EQ(underlined(), (QList<int>{3, 5}));
    m.picMain_MouseMove();
    EXPECT_TRUE(underlined().isEmpty());
}

TEST_F(MainWindowTest, ExitLeadsToTheClosingScreenNotToTheEnd)
{
    for (int road = 0; road < 3; ++road) {
        MDI &m = main();
        FormRegistry::instance().load("frmLoshu");
        switch (road) {
        case 0:
            m.cmdExit_Click();
            break;
        case 1:
            m.findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
            break;
        default:
            m.close();
            break;
        }
        EXPECT_FALSE(isLoaded<MDI>()) << road;
        EXPECT_FALSE(FormRegistry::instance().isLoaded("frmLoshu")) << "children close with it";
        ASSERT_TRUE(FormRegistry::instance().isLoaded("frmNagScreen2")) << road;
        EXPECT_TRUE(FormRegistry::instance().find("frmNagScreen2")->isVisible());
        EXPECT_EQ(fakes.processEnd->ends, 0);
        FormRegistry::instance().reset();
        flushDeletes();
        registerWithStandIns();
    }
}

TEST_F(MainWindowTest, UnloadAllFormsWithTheMainWindowOpenEndsWithinTheCall)
{
    main();
    EXPECT_THROW(UnloadAllForms(), ProcessEnded);
    EXPECT_EQ(fakes.processEnd->ends, 1);
}

TEST_F(MainWindowTest, StartUpRemindsThenShowsTheMainWindowAndHidesItself)
{
    form<frmNagScreen>();
    EXPECT_EQ(fakes.settings->writes.size(), 1) << "the first run stores the reminder date";
    ASSERT_TRUE(isLoaded<MDI>());
    EXPECT_TRUE(form<MDI>().isVisible());
    EXPECT_FALSE(form<frmNagScreen>().isVisible());
    EXPECT_FALSE(form<frmNagScreen>().IMGIcon(0).isNull());
}

TEST_F(MainWindowTest, ASecondInstanceIsRefusedBeforeAnythingElse)
{
    fakes.instanceGuard->running = true;
    EXPECT_THROW(form<frmNagScreen>(), ProcessEnded);
    ASSERT_EQ(fakes.messageBox->shown.size(), 1);
    EXPECT_EQ(fakes.messageBox->shown[0].text, "Application is already running");
    EXPECT_EQ(fakes.messageBox->shown[0].icon, MsgIcon::Information);
    EXPECT_EQ(fakes.messageBox->shown[0].buttons, MsgButtons::Ok);
    EXPECT_FALSE(isLoaded<MDI>());
    EXPECT_TRUE(fakes.settings->writes.isEmpty()) << "no reminder";
}

TEST_F(MainWindowTest, TheActiveChildsMenusReplaceTheMainMenus)
{
    MDI &m = main();
    auto barNames = [&] {
        QStringList out;
        for (QAction *a : m.menuBar()->actions())
            out << a->objectName();
        return out;
    };
    EXPECT_EQ(barNames(), (QStringList{"mnuFile", "mnuHelp", "mnuMakeMoney"}));

    FormRegistry::instance().registerFactory(
        "frmWithMenu", [] { return new StandIn(QStringLiteral("frmWithMenu"), true); });
    Form *withMenu = FormRegistry::instance().load("frmWithMenu");
    withMenu->Show();
    EXPECT_EQ(barNames(), QStringList{"mnuFile"});
    EXPECT_EQ(m.menuBar()->actions().constFirst(), withMenu->menuBarActions().constFirst());

    Form *plain = FormRegistry::instance().load("frmLoshu");
    plain->Show();
    EXPECT_EQ(barNames(), (QStringList{"mnuFile", "mnuHelp", "mnuMakeMoney"}));
}

// The keys of the tool windows: Ctrl+F4 closes the active one as its close
// box does, from anywhere in the main window, Ctrl+F6 and Ctrl+Shift+F6 go to
// the next and the previous one, and a report window, which is no modal box,
// is one of them.
TEST_F(MainWindowTest, KeysCloseAndMoveBetweenTheToolWindows)
{
    const char *windows[] = {"frmFlyingStar", "frmSaveFengShuiFlyingStar", "frmLoshu"};
    const struct {
        const char *what;
        QKeyCombination keys;
        bool inToolBar; // else in the active window
        int repeats;    // held down: the repeats as X sends them, unflagged
        bool behindABox;
        int unloaded; // of the windows; -1: none
        int active;   // afterwards
    } rows[] = {
        {"Ctrl+F4", Qt::CTRL | Qt::Key_F4, false, 0, false, 2, 0},
        {"Ctrl+F4 in the tool bar", Qt::CTRL | Qt::Key_F4, true, 0, false, 2, 0},
        {"Ctrl+F4 held in the tool bar", Qt::CTRL | Qt::Key_F4, true, 3, false, 2, 0},
        {"Ctrl+W", Qt::CTRL | Qt::Key_W, false, 0, false, 2, 0},
        {"Ctrl+F6", Qt::CTRL | Qt::Key_F6, false, 0, false, -1, 0},
        {"Ctrl+Shift+F6", Qt::CTRL | Qt::SHIFT | Qt::Key_F6, false, 0, false, -1, 1},
        {"Ctrl+F4 behind a box", Qt::CTRL | Qt::Key_F4, false, 0, true, -1, 2},
        {"Ctrl+F6 behind a box", Qt::CTRL | Qt::Key_F6, false, 0, true, -1, 2},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.what);
        FormRegistry::instance().reset();
        flushDeletes();
        registerWithStandIns();
        MDI &m = main();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m));
        for (const char *name : windows)
            FormRegistry::instance().load(QString::fromLatin1(name))->Show();
        m.picMain()->setVisible(false);
        g_unloaded.clear();
        if (r.inToolBar)
            m.findChild<QPushButton *>(QStringLiteral("cmdCallMainForm(0)"))->setFocus();

        QWidget *at = QApplication::focusWidget();
        ASSERT_NE(at, nullptr);
        const auto press = [&] {
            holdKey(at, r.keys.key(), r.keys.keyboardModifiers(), r.repeats, Delivery::Unflagged);
        };
        if (r.behindABox) {
            fakes.messageBox->whileOpen = [&](const QString &) { press(); };
            MsgBox(QStringLiteral("A box"));
            fakes.messageBox->whileOpen = nullptr;
        } else {
            press();
        }

        const QStringList unloaded =
            r.unloaded < 0 ? QStringList() : QStringList{windows[r.unloaded]};
        EXPECT_EQ(g_unloaded, unloaded);
        EXPECT_EQ(m.picMain()->isVisible(), r.unloaded >= 0) << "the unload handler ran";
        QMdiSubWindow *active = m.mdiArea()->activeSubWindow();
        ASSERT_NE(active, nullptr);
        EXPECT_EQ(active->widget()->objectName(), windows[r.active]);
    }
}
