// Exit pressed by its mnemonic just before a tool's command opens a box: the
// delayed click of Exit lands inside the box's loop. The main window and the
// tool go, the box goes with them as if answered, the closing screen shows,
// and nothing is freed twice nor used after it was freed.

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

TEST_F(ExitDuringBoxTest, ExitByItsMnemonicWhileABoxIsOpen)
{
    const struct {
        int tool;
        const char *button;
        const char *window;
    } rows[] = {
        {0, "cmdProceed", "frmMainFengShuiKuaNumber"},       // "Please enter your name"
        {4, "cmdSavePicture", "frmMainFengShuiBagua"},       // Generate Bagua Chart, empty plan
        {4, "cmdFrontEntrence", "frmMainFengShuiBagua"},     // no room selected
    };
    for (const auto &r : rows) {
        FormRegistry::instance().reset();
        flushDeletes();
        showMainWindow();
        const QPointer<MDI> main(mdi);
        main->cmdCallMainForm_Click(r.tool);
        Form *tool = FormRegistry::instance().find(QString::fromLatin1(r.window));
        ASSERT_NE(tool, nullptr) << r.button;
        const QPointer<Form> toolAlive(tool);
        auto *button = tool->findChild<QPushButton *>(QString::fromLatin1(r.button));
        ASSERT_NE(button, nullptr) << r.button;

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

        // Alt+E presses Exit after a short delay; the command opens its box
        // before that.
        QTest::keyClick(main, Qt::Key_E, Qt::AltModifier);
        QTest::mouseClick(button, Qt::LeftButton);

        EXPECT_TRUE(boxOfMainWindow) << r.button;
        EXPECT_FALSE(rescued) << r.button;
        EXPECT_FALSE(isLoaded<MDI>()) << r.button;
        EXPECT_FALSE(FormRegistry::instance().isLoaded(QString::fromLatin1(r.window))) << r.button;
        EXPECT_TRUE(isLoaded<frmNagScreen2>() && form<frmNagScreen2>().Visible()) << r.button;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << r.button;
        // The windows that went are deleted once the event loop takes over.
        QCoreApplication::processEvents();
        flushDeletes();
        EXPECT_TRUE(main.isNull()) << r.button;
        EXPECT_TRUE(toolAlive.isNull()) << r.button;
    }
}
