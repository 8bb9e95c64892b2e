#pragma once

#include "platform/Services.h"

namespace tessavo {

// Puts the desktop implementations of every service in force.
void installQtServices();

// The desktop's own clipboard, for tests that need a real paste.
std::unique_ptr<ClipboardService> makeQtClipboard();

// The message box text as the desktop shows it: a lone carriage return is a
// line break.
QString messageBoxText(const QString &text);

} // namespace tessavo
