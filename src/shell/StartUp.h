#pragma once
// The program's entry: command line, language, main window.
#include <QString>
#include <QStringList>

namespace kt913 {

// What the command line `kt913 [--port PORT] [--trace FILE] [FILE.dat]` asks for.
struct StartUpRequest {
    QString port;   // select and open this port at load instead of the first of the list
    QString file;   // open this data file once the window is up
    QString tracePath; // log every frame on the serial line here
    bool exitNow = false; // help, version or a usage error: `message` says which
    int exitCode = 0;
    QString message;
};

// Reads the arguments (program name first).
StartUpRequest parseCommandLine(const QStringList &arguments);

// Runs the application. Returns the exit code.
int runApplication(int argc, char **argv);

} // namespace kt913
