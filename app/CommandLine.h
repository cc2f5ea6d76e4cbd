// The program's own command line, answered before any window or display is
// needed: --help, --version, and a usage error for anything it does not know.
#pragma once

#include <optional>

namespace mrv::app {

// Reads argv as the program gets it, Qt's own options (-platform, -display,
// -reverse, ...) accepted and left for QApplication. Returns the exit status
// when the command line is answered here (help, version: 0; a usage error,
// one line on standard error: 2), or nothing when the window should start.
std::optional<int> answerCommandLine(int argc, char** argv);

} // namespace mrv::app
