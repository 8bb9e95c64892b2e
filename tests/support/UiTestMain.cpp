// Entry point of the window tests. Test discovery runs this program without
// the test environment, so the offscreen platform is chosen here when no
// platform was asked for, and settings are kept away from the user's own.
#include "Fakes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include "platform/Controls.h"
#include "platform/Twips.h"

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    tessavo::twips::setDpi(96.0);
    tessavo::installEnterPressesButtons(&app);
    tessavo::test::installFakes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
