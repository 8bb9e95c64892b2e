#pragma once

// The application object of the window tests and the benchmark: Qt's
// offscreen platform unless another was asked for (test discovery runs the
// programs without the test environment), settings kept away from the
// user's own, 96 dots per inch, and otherwise the program's own set-up.

#include "app/Application.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QStandardPaths>

namespace tessavo::test {

namespace detail {
// Runs before the application object exists, as the platform must be chosen.
struct OffscreenPlatform {
    OffscreenPlatform()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QStandardPaths::setTestModeEnabled(true);
    }
};
} // namespace detail

class OffscreenApplication : private detail::OffscreenPlatform, public QApplication {
public:
    OffscreenApplication(int &argc, char **argv) : QApplication(argc, argv)
    {
        setUpApplication(*this);
        twips::setDpi(96.0);
    }
};

} // namespace tessavo::test
