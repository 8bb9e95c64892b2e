#pragma once

// Common start for window tests: fresh fakes, an empty window registry, and
// no window left over from an earlier test.

#include "Fakes.h"
#include "platform/FormRegistry.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTest>

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

// A double-click with the left button as the desktop delivers it: press,
// release, a double-click event for the second press, release.
inline void doubleClick(QWidget *widget)
{
    QTest::mousePress(widget, Qt::LeftButton);
    QTest::mouseRelease(widget, Qt::LeftButton);
    QTest::mouseDClick(widget, Qt::LeftButton);
    QTest::mouseRelease(widget, Qt::LeftButton);
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
