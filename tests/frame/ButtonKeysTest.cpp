// Enter on a focused command button presses it, in every window.

#include "UiFixture.h"

#include "app/FormCatalog.h"
#include "platform/FormRegistry.h"

#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tessavo;
using namespace tessavo::test;

namespace {

class ButtonKeysTest : public UiTest {};

} // namespace

TEST_F(ButtonKeysTest, EnterPressesEveryButtonOfEveryWindowOnce)
{
    const char *windows[] = {
        "frmNagScreen",
        "MDI",
        "frmAbout",
        "frmNagScreen2",
        "frmMainFengShuiKuaNumber",
        "frmFengShuiDetails",
        "frmSaveFengShuiKuaNumber",
        "frmMainFengShuiBaZi",
        "frmFengShuiFourPillar",
        "frmSaveFengShuiBaZi",
        "frmMainFengShuiBagua",
        "frmDisplay",
        "frmRoomAnalysis",
        "frmMainFengShuiLoShu",
        "frmLoshu",
        "frmSaveFengShuiLoShu",
        "frmMainFengShuiFlyingStar",
        "frmFlyingStar",
        "frmSaveFengShuiFlyingStar",
    };
    // The floor-plan tool ends the program without its companion file.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile companion(folder.filePath(QStringLiteral("Bmp2Jpeg.dll")));
    ASSERT_TRUE(companion.open(QIODevice::WriteOnly));
    fakes.programFolder->folder = folder.path();
    registerAllForms();

    int pressed = 0;
    for (const char *name : windows) {
        SCOPED_TRACE(name);
        Form *window = FormRegistry::instance().load(QString::fromLatin1(name));
        ASSERT_NE(window, nullptr);
        for (QPushButton *button : window->findChildren<QPushButton *>()) {
            if (!button->isEnabled())
                continue;
            SCOPED_TRACE(button->objectName().toStdString());
            // What the buttons do is for the windows' own tests; here only
            // that Enter presses them.
            QObject::disconnect(button, &QAbstractButton::clicked, nullptr, nullptr);
            QSignalSpy clicked(button, &QAbstractButton::clicked);
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Return);
            EXPECT_EQ(clicked.size(), 1);
            QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
            EXPECT_EQ(clicked.size(), 2);
            ++pressed;
        }
    }
    EXPECT_GT(pressed, 40);
}
