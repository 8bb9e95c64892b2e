#pragma once

// Common start for window tests: fresh fakes, an empty window registry, and
// no window left over from an earlier test.

#include "Fakes.h"
#include "platform/FormRegistry.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>

namespace tessavo::test {

inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class UiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FormRegistry::instance().reset();
        flushDeletes();
        fakes = installFakes();
    }
    void TearDown() override
    {
        FormRegistry::instance().reset();
        flushDeletes();
    }

    Fakes fakes{};
};

} // namespace tessavo::test
