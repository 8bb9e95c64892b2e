// Exit just before or while a tool's command opens a box. Pressed by its
// mnemonic, Exit runs at once, before the command can be clicked; run
// inside the box's loop, it takes the box with the windows as if answered.
// Either way the closing screen shows, and nothing is freed twice nor used
// after it was freed.

#include "ToolWindowFixture.h"

#include "frame/frmNagScreen2.h"
#include "platform/QtServices.h"

#include <QApplication>
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
        std::function<void(MDI *main, QPushButton *command)> act;
    } ways[] = {
        // The mnemonic clicks at once: Exit has run before the mouse comes
        // down, and the command is gone with its window.
        {"Alt+E, then at once the command", false,
         [](MDI *main, QPushButton *command) {
             QTest::keyClick(main, Qt::Key_E, Qt::AltModifier);
             if (command->isVisible())
                 QTest::mouseClick(command, Qt::LeftButton);
         }},
        // Whatever runs inside the command's box and ends the program:
        // the box goes with its window, as if answered.
        {"Exit inside the command's box", true,
         [](MDI *main, QPushButton *command) {
             QTimer::singleShot(40, main, [main] {
                 main->findChild<QPushButton *>(QStringLiteral("cmdExit"))->click();
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
            EXPECT_FALSE(isLoaded<MDI>());
            EXPECT_FALSE(FormRegistry::instance().isLoaded(QString::fromLatin1(r.window)));
            EXPECT_TRUE(isLoaded<frmNagScreen2>() && form<frmNagScreen2>().Visible());
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
            // The windows that went are deleted once the event loop takes over.
            QCoreApplication::processEvents();
            flushDeletes();
            EXPECT_TRUE(main.isNull());
            EXPECT_TRUE(toolAlive.isNull());
        }
    }
}
