#pragma once

namespace platform {

// Whether the command line only asks for --help or --version: those are answered without a
// window system, so they work on a machine without a display.
bool onlyAsksForText(int argc, char *argv[]);

} // namespace platform
