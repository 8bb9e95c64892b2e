#pragma once

namespace tessavo {

// Sets up the application object, the services and the fonts, loads the
// hidden start-up window and runs the event loop.
int runApplication(int argc, char *argv[]);

} // namespace tessavo
