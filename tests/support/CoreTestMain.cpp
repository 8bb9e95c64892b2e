// Entry point of the logic tests: no application object, no display.
#include <gtest/gtest.h>

#include <QStandardPaths>

int main(int argc, char **argv)
{
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
