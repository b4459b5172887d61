// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's entry: command line, language, main window.
#include "image/Language.h"
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace kt913 {

class MainWindow;
class SerialTrace;

// What the command line `kt913 [--lang en|zh] [--port PORT] [--trace FILE] [FILE.dat]` asks for.
struct StartUpRequest {
    QString port;   // select and open this port at load instead of the first of the list
    QString file;   // open this data file once the window is up
    QString tracePath; // log every frame on the serial line here
    std::optional<Language> language; // this session's language instead of the stored one
    bool exitNow = false; // help, version or a usage error: `message` says which
    int exitCode = 0;
    QString message;
};

// Reads the arguments (program name first). Help and version win over any mistake, so
// that they are answered even from arguments the toolkit has not yet taken its own
// options (-platform, -style) out of.
StartUpRequest parseCommandLine(const QStringList &arguments);

// Records the window's serial line into `path` until the trace is destroyed (before the
// window); a file that cannot be written is told once in a message box.
std::unique_ptr<SerialTrace> attachSerialTrace(MainWindow &window, const QString &path);

// Runs the application. Returns the exit code.
int runApplication(int argc, char **argv);

} // namespace kt913
