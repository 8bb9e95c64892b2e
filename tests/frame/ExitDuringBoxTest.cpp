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
#include "charts/kua/frmMainFengShuiKuaNumber.h"
#include "charts/loshu/frmMainFengShuiLoShu.h"
#include "frame/frmAbout.h"
#include "frame/frmNagScreen2.h"
#include "platform/ModalLoops.h"
#include "platform/QtServices.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QDialog>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <string>

using namespace tessavo;
using namespace tessavo::test;

namespace {

class ExitDuringBoxTest : public ToolWindowTest {
protected:
    void SetUp() override
    {
        ToolWindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        fakes.programFolder->folder = folder.path();
        QFile companion(folder.filePath(QStringLiteral("Bmp2Jpeg.dll")));
        ASSERT_TRUE(companion.open(QIODevice::WriteOnly));
        // The real box, with its own modal loop; the other services stay fakes.
        services().messageBox = makeQtMessageBox();
    }

    QTemporaryDir folder;
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

class CommandsBehindABoxTest : public ToolWindowTest {};

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
    const struct {
        const char *what;
        Form *inFront; // shown modally; none: a message box
        std::function<void()> press;
        std::function<bool()> wrong; // what the press must not have done
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
        // Neither done nor left ticked as if it had been.
        {"the closing screen's check box", nullptr,
         [] {
             auto *check = form<frmNagScreen2>().findChild<QCheckBox *>(QStringLiteral("Check1"));
             check->click();
             QAccessible::queryAccessibleInterface(check)->actionInterface()->doAction(
                 QAccessibleActionInterface::toggleAction());
         },
         [&] {
             return !fakes.urlOpener->opened.isEmpty() ||
                    form<frmNagScreen2>()
                        .findChild<QCheckBox *>(QStringLiteral("Check1"))
                        ->isChecked();
         }},
        // A tab is no command: its frame follows it.
        {"a tab of the Ba Zi result", nullptr,
         [] { form<bazi::frmFengShuiFourPillar>().TS->setCurrentIndex(1); },
         [] { return form<bazi::frmFengShuiFourPillar>().fraSubject[2]->isHidden(); }},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.what);
        if (r.inFront) {
            const ModalScope about(r.inFront);
            r.press();
        } else {
            fakes.messageBox->whileOpen = [&](const QString &) { r.press(); };
            MsgBox(QStringLiteral("A box"));
            fakes.messageBox->whileOpen = nullptr;
        }
        EXPECT_FALSE(r.wrong());
        EXPECT_TRUE(isLoaded<MDI>());
    }
    // About's own OK works while About is in front.
    frmAbout &about = form<frmAbout>();
    {
        const ModalScope inFront(&about);
        about.findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
    }
    EXPECT_FALSE(isLoaded<frmAbout>());
}
