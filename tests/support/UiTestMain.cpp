// Entry point of the window tests.
#include "Fakes.h"
#include "OffscreenApplication.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    tessavo::test::OffscreenApplication app(argc, argv);
    tessavo::test::installFakes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
