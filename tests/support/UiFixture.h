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

// Runs what the program left for after the event being handled, as the event
// loop would once that event has finished: the clipboard guard's clear.
inline void finishEvent()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
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
