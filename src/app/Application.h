#pragma once

class QApplication;

namespace tessavo {

// What the program sets up on its application object and the window tests and
// the benchmark on theirs, so that they run with the program's own filters and
// handlers: a write past the file-size limit fails instead of ending the
// program, Enter and the mnemonics press their buttons at once, closing the
// last window does not end the program (only UnloadAllForms does), and the
// program's font.
void setUpApplication(QApplication &app);

// Sets up the application object and the services, loads the hidden start-up
// window and runs the event loop.
int runApplication(int argc, char *argv[]);

} // namespace tessavo
