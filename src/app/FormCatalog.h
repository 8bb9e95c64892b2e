#pragma once

namespace tessavo {

// Tells the window registry how to create every window of the program, so
// that windows known only by name (the tools of the main window) can load.
void registerAllForms();

} // namespace tessavo
