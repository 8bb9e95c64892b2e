#pragma once

#include "platform/Services.h"

namespace tessavo {

// Puts the desktop implementations of every service in force.
void installQtServices();

// The message box text as the desktop shows it: a lone carriage return is a
// line break.
QString messageBoxText(const QString &text);

} // namespace tessavo
