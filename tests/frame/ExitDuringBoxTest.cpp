// Commands while a box is open. Exit just before or while a tool's command
// opens a box. Pressed by its
// mnemonic, Exit runs at once, before the command can be clicked: the
// closing screen shows, and nothing is freed twice nor used after it was
// freed. Pressed while the box is open, Exit is a command of a window
// behind the box and does nothing: the box is answered and every window
// stays.

#include "ReaderPress.h"
#include "ToolWindowFixture.h"

#include "charts/bazi/frmFengShuiFourPillar.h"
#include "charts/bazi/frmSaveFengShuiBaZi.h"
#include "charts/flyingstar/frmMainFengShuiFlyingStar.h"
#include "charts/kua/frmMainFengShuiKuaNumber.h"
#include "charts/loshu/frmMainFengShuiLoShu.h"
#include "floorplan/BaguaCalc.h"
#include "floorplan/frmDisplay.h"
#include "floorplan/frmMainFengShuiBagua.h"
#include "floorplan/frmRoomAnalysis.h"
#include "frame/frmAbout.h"
#include "frame/frmNagScreen2.h"
#include "platform/ModalLoops.h"
#include "platform/QtServices.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <string>

using namespace tessavo;
using namespace tessavo::test;

namespace {

// The floor-plan tool opens: it finds its companion file.
class BoxTest : public ToolWindowTest {
protected:
    void SetUp() override
    {
        ToolWindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        fakes.programFolder->folder = folder.path();
        QFile companion(folder.filePath(QStringLiteral("Bmp2Jpeg.dll")));
        ASSERT_TRUE(companion.open(QIODevice::WriteOnly));
    }

    QTemporaryDir folder;
};

class ExitDuringBoxTest : public BoxTest {
protected:
    void SetUp() override
    {
        BoxTest::SetUp();
        // The real box, with its own modal loop; the other services stay fakes.
        services().messageBox = makeQtMessageBox();
    }
};

} // namespace

TEST_F(ExitDuringBoxTest, ExitWhileACommandOpensItsBox)
{
    const struct {
        int tool;
        const char *button;
        const char *window;
    } tools[] = {
        {0, "cmdProceed", "frmMainFengShuiKuaNumber"},   // "Please enter your name"
        {4, "cmdSavePicture", "frmMainFengShuiBagua"},   // Generate Bagua Chart, empty plan
        {4, "cmdFrontEntrence", "frmMainFengShuiBagua"}, // no room selected
    };
    const struct {
        const char *what;
        bool boxOpens;
        bool exits;
        std::function<void(MDI *main, QPushButton *command)> act;
    } ways[] = {
        // The mnemonic clicks at once: Exit has run before the mouse comes
        // down, and the command is gone with its window.
        {"Alt+E, then at once the command", false, true,
         [](MDI *main, QPushButton *command) {
             QTest::keyClick(main, Qt::Key_E, Qt::AltModifier);
             if (command->isVisible())
                 QTest::mouseClick(command, Qt::LeftButton);
         }},
        // Exit clicked inside the command's box, then the box answered.
        {"Exit inside the command's box", true, false,
         [](MDI *main, QPushButton *command) {
             QTimer::singleShot(40, main, [main] {
                 main->findChild<QPushButton *>(QStringLiteral("cmdExit"))->click();
             });
             QTimer::singleShot(80, [] {
                 if (auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                     box->accept();
             });
             QTest::mouseClick(command, Qt::LeftButton);
         }},
    };
    for (const auto &way : ways) {
        for (const auto &r : tools) {
            SCOPED_TRACE(std::string(way.what) + ", " + r.button);
            FormRegistry::instance().reset();
            flushDeletes();
            showMainWindow();
            const QPointer<MDI> main(mdi);
            main->cmdCallMainForm_Click(r.tool);
            Form *tool = FormRegistry::instance().find(QString::fromLatin1(r.window));
            ASSERT_NE(tool, nullptr);
            const QPointer<Form> toolAlive(tool);
            auto *button = tool->findChild<QPushButton *>(QString::fromLatin1(r.button));
            ASSERT_NE(button, nullptr);

            bool boxOfMainWindow = false;
            bool rescued = false;
            QTimer::singleShot(20, [&] {
                QWidget *box = QApplication::activeModalWidget();
                boxOfMainWindow = box && box->parentWidget() == main;
            });
            // A box that never closes fails the row instead of hanging it.
            QTimer rescue;
            rescue.setSingleShot(true);
            QObject::connect(&rescue, &QTimer::timeout, [&] {
                if (auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                    rescued = true;
                    box->reject();
                }
            });
            rescue.start(3000);

            way.act(main, button);
            QTest::qWait(60);

            EXPECT_EQ(boxOfMainWindow, way.boxOpens);
            EXPECT_FALSE(rescued);
            EXPECT_EQ(isLoaded<MDI>(), !way.exits);
            EXPECT_EQ(FormRegistry::instance().isLoaded(QString::fromLatin1(r.window)), !way.exits);
            EXPECT_EQ(isLoaded<frmNagScreen2>() && form<frmNagScreen2>().Visible(), way.exits);
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
            // The windows that went are deleted once the event loop takes over.
            QCoreApplication::processEvents();
            flushDeletes();
            EXPECT_EQ(main.isNull(), way.exits);
            EXPECT_EQ(toolAlive.isNull(), way.exits);
        }
    }
}

namespace {

class CommandsBehindABoxTest : public BoxTest {};

} // namespace

// While a box is open, no command of a window behind it runs, whatever the
// window and whatever route the press takes; the controls of the window in
// front, shown modally, work.
TEST_F(CommandsBehindABoxTest, OnlyTheWindowInFrontTakesCommands)
{
    showMainWindow();
    const auto mainButton = [this](int i) {
        return mdi->findChild<QPushButton *>(arrayName(QStringLiteral("cmdCallMainForm"), i));
    };
    // Windows of the tools whose commands the rows press, open before any
    // box; none of them is one an earlier row must not open. The rows find
    // them by name: a row that fails may have unloaded them.
    using floorplan::frmDisplay, floorplan::frmMainFengShuiBagua, floorplan::frmRoomAnalysis;
    mdi->cmdCallMainForm_Click(4);
    form<frmMainFengShuiBagua>().lstRoom->setEnabled(true); // as Select Room leaves it
    floorplan::ChartBox chartBox;
    chartBox.ChartWidth = chartBox.ChartHeight = 900;
    form<frmDisplay>().layBaguaChart(chartBox);
    form<frmRoomAnalysis>();
    form<bazi::frmSaveFengShuiBaZi>();
    form<flyingstar::frmMainFengShuiFlyingStar>();
    const auto closingScreen = [](const char *name) {
        return form<frmNagScreen2>().findChild<QAbstractButton *>(QString::fromLatin1(name));
    };
    const auto checkBoxWrong = [&] {
        return !fakes.urlOpener->opened.isEmpty() || closingScreen("Check1")->isChecked();
    };
    const struct {
        const char *what;
        Form *inFront; // shown modally; none: a message box
        std::function<void()> press;
        std::function<bool()> wrong; // what the press must not have done
        // Opens the box the press is made under; none: a box of its own.
        std::function<void()> underBox = {};
    } rows[] = {
        {"a tool button", nullptr, [&] { pressAsAReader(mainButton(0)); },
         [] { return isLoaded<kua::frmMainFengShuiKuaNumber>(); }},
        {"a tool caption", nullptr,
         [&] {
             auto *caption = mdi->findChild<Label *>(arrayName(QStringLiteral("lblCaptions"), 4));
             QTest::mouseClick(caption, Qt::LeftButton);
         },
         [] { return isLoaded<loshu::frmMainFengShuiLoShu>(); }},
        {"Help > Visit Us Online", nullptr,
         [&] { pressAsAReader(menuEntry(mdi, "mnuHelp", QStringLiteral("Visit Us Online"))); },
         [&] { return !fakes.urlOpener->opened.isEmpty(); }},
        {"File > Exit", nullptr,
         [&] { pressAsAReader(menuEntry(mdi, "mnuFile", QStringLiteral("Exit"))); },
         [] { return isLoaded<frmNagScreen2>(); }},
        {"the main window's button behind About", &form<frmAbout>(),
         [&] { mainButton(1)->click(); }, [] { return isLoaded<loshu::frmMainFengShuiLoShu>(); }},
        // Neither done nor left ticked as if it had been; one row a route,
        // since a second press would undo a tick the first one left.
        {"a click on the closing screen's check box", nullptr,
         [&] { closingScreen("Check1")->click(); }, checkBoxWrong},
        {"a reader's Toggle of the closing screen's check box", nullptr,
         [&] {
             QAccessible::queryAccessibleInterface(closingScreen("Check1"))
                 ->actionInterface()
                 ->doAction(QAccessibleActionInterface::toggleAction());
         },
         checkBoxWrong},
        {"the closing screen's Exit under its own refusal", nullptr,
         [&] {
             try {
                 closingScreen("cmdClose")->click();
             } catch (const ProcessEnded &) {
                 // Counted in the ends: the row fails rather than the run.
             }
         },
         [&] { return fakes.processEnd->ends > 0; }, [&] { closingScreen("cmdSubmit")->click(); }},
        // Its refusal of the empty name would be a second box.
        {"a tool's Proceed", nullptr,
         [] { pressAsAReader(form<flyingstar::frmMainFengShuiFlyingStar>().cmdNext); }, nullptr},
        {"the main window's link label", nullptr,
         [&] {
             QTest::mouseClick(mdi->findChild<Label *>(QStringLiteral("lblCobrand")),
                               Qt::LeftButton);
         },
         [&] { return !fakes.urlOpener->opened.isEmpty(); }},
        {"a report's Save", nullptr,
         [] { pressAsAReader(form<bazi::frmSaveFengShuiBaZi>().cmdSave); },
         [&] { return !fakes.saveAs->requests.isEmpty(); }},
        {"a part of the Bagua chart", nullptr,
         [] { QTest::mouseClick(form<frmDisplay>().lblBaguaPart[0], Qt::LeftButton); },
         [] { return form<frmRoomAnalysis>().Visible(); }},
        {"the part report's OK", nullptr, [] { pressAsAReader(form<frmRoomAnalysis>().cmdOk); },
         [] { return !isLoaded<frmRoomAnalysis>(); }},
        {"an entry of the room list", nullptr,
         [] {
             QListWidget *list = form<frmMainFengShuiBagua>().lstRoom;
             QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                               list->visualItemRect(list->item(0)).center());
         },
         [] { return !form<frmMainFengShuiBagua>().txtAddRoomName->text().isEmpty(); }},
        // A tab is no command: its frame follows it.
        {"a tab of the Ba Zi result", nullptr,
         [] { form<bazi::frmFengShuiFourPillar>().TS->setCurrentIndex(1); },
         [] { return form<bazi::frmFengShuiFourPillar>().fraSubject[2]->isHidden(); }},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.what);
        const qsizetype boxes = fakes.messageBox->shown.size();
        if (r.inFront) {
            const ModalScope about(r.inFront);
            r.press();
        } else {
            fakes.messageBox->whileOpen = [&](const QString &) { r.press(); };
            if (r.underBox)
                r.underBox();
            else
                MsgBox(QStringLiteral("A box"));
            fakes.messageBox->whileOpen = nullptr;
        }
        if (r.wrong) {
            EXPECT_FALSE(r.wrong());
        }
        // No second box opened under the first.
        EXPECT_EQ(fakes.messageBox->shown.size(), boxes + (r.inFront ? 0 : 1));
        // A row that ended the program leaves no window for the next.
        ASSERT_TRUE(isLoaded<MDI>());
    }
    // About's own OK works while About is in front, in the desktop's own
    // modal loop: a click on it ends the loop.
    services().modalRunner = makeQtModalRunner();
    frmAbout &about = form<frmAbout>();
    const QPointer<QPushButton> ok = about.findChild<QPushButton *>(QStringLiteral("cmdOK"));
    QTimer::singleShot(0, ok, [ok] { QTest::mouseClick(ok, Qt::LeftButton); });
    bool rescued = false;
    QTimer rescue;
    rescue.setSingleShot(true);
    QObject::connect(&rescue, &QTimer::timeout, &about, [&] {
        rescued = true;
        about.Hide();
    });
    rescue.start(2000);
    about.ShowModal();
    EXPECT_FALSE(rescued);
    EXPECT_FALSE(isLoaded<frmAbout>());
}
