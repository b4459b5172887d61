#pragma once
// The program's entry: command line, language, main window.

namespace kt913 {

// Runs the application: `kt913 [--port PORT] [FILE.dat]`. Returns the exit code.
int runApplication(int argc, char **argv);

} // namespace kt913
