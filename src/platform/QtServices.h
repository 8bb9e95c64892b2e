#pragma once

#include "platform/Services.h"

#include <functional>
#include <memory>

class QPrinter;

namespace tessavo {

// Puts the desktop implementations of every service in force.
void installQtServices();

// The printer service of the program, printing on the printers that
// makePrinter gives; the program's gives the default printer, a test's may
// print to a file. Where it gives none, nothing is printed.
std::unique_ptr<PrinterService>
makeQtPrinterService(std::function<std::unique_ptr<QPrinter>()> makePrinter);

// The desktop's own clipboard, for tests that need a real paste.
std::unique_ptr<ClipboardService> makeQtClipboard();

// The desktop's message box, Save As dialog and modal runner, for tests that
// need a real modal loop.
std::unique_ptr<MessageBoxService> makeQtMessageBox();
std::unique_ptr<SaveAsDialog> makeQtSaveAsDialog();
std::unique_ptr<ModalRunner> makeQtModalRunner();

// The message box text as the desktop shows it: a lone carriage return is a
// line break.
QString messageBoxText(const QString &text);

} // namespace tessavo
