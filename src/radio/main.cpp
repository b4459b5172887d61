// SPDX-License-Identifier: GPL-3.0-or-later
// kt913-radio: an emulated KT-913 on a pseudo-terminal, a real peer for the programming
// link when no radio is at hand (tests, demonstrations).
#include "image/DatFile.h"
#include "radio/LinePacer.h"
#include "radio/PseudoTerminal.h"
#include "radio/RadioLoop.h"
#include "radio/RadioOptions.h"
#include "radio/RadioSession.h"
#include "radio/RadioTrace.h"

#include <QFile>
#include <csignal>
#include <cstdio>
#include <memory>
#ifdef __linux__
#include <sys/prctl.h>
#include <unistd.h>
#endif

using namespace kt913;
using namespace kt913::radio;

namespace {

volatile std::sig_atomic_t g_stop = 0;

void requestStop(int)
{
    g_stop = 1;
}

void complain(const QString &text)
{
    std::fprintf(stderr, "kt913-radio: %s\n", qPrintable(text));
}

// Signals stay blocked except while the loop waits in ppoll(), so that a stop request can
// neither be lost between checks nor cut short the removal of the link.
sigset_t blockStopSignals()
{
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    sigset_t stopSignals, previous;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    sigprocmask(SIG_BLOCK, &stopSignals, &previous);
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        sigdelset(&previous, signal);
    return previous;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    RadioOptions options;
    QString error;
    if (!parseRadioOptions(arguments, options, error)) {
        if (options.helpShown) {
            std::fputs(qPrintable(error), stdout);
            return 0;
        }
        complain(error);
        return 2;
    }
    if (options.versionAsked) {
        std::printf("kt913-radio " PROJECT_VERSION_TEXT "\n");
        return 0;
    }

    Image initial = filledImage(0xFF);
    if (!options.imagePath.isEmpty()) {
        const DatResult loaded = readDatFile(options.imagePath, initial);
        if (!loaded.ok()) {
            complain(options.imagePath + QStringLiteral(": ")
                     + (loaded.status == DatResult::WrongType    ? QStringLiteral("not a KT-913 data file")
                        : loaded.status == DatResult::Incomplete ? QStringLiteral("the data file is cut short")
                                                                 : loaded.detail));
            return 1;
        }
    }
    RadioMemory memory(initial);
    RadioSession session(memory, options.identity, options.behaviour);

    std::FILE *log = nullptr;
    if (!options.logPath.isEmpty()) {
        log = std::fopen(QFile::encodeName(options.logPath).constData(), "w");
        if (!log) {
            complain(QStringLiteral("cannot write the log ") + options.logPath);
            return 1;
        }
        // Flushed line by line: tests follow the log while the radio runs.
        session.frameLogged = [log](const QString &line) {
            std::fprintf(log, "%s\n", qPrintable(line));
            std::fflush(log);
        };
    }
    if (!options.savePath.isEmpty()) {
        session.writeCompleted = [&memory, &options] {
            const DatResult saved = writeDatFile(options.savePath, memory.image());
            if (!saved.ok())
                complain(options.savePath + QStringLiteral(": ") + saved.detail);
        };
    }

    const sigset_t waitMask = blockStopSignals();
#ifdef __linux__
    if (options.exitWithParent) {
        const pid_t parent = getppid();
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) // gone before the request took hold
            return 0;
    }
#endif
    PseudoTerminal line;
    if (!line.open()) {
        complain(line.errorText());
        return 1;
    }
    if (!options.linkPath.isEmpty() && !line.link(options.linkPath)) {
        complain(line.errorText());
        return 1;
    }
    std::printf("%s\n", qPrintable(line.devicePath()));
    std::fflush(stdout);

    std::int64_t byteNs = 0;
    if (options.paced) {
        byteNs = LinePacer::byteNanoseconds(9600);
#ifdef __linux__
        // The default 50 us timer slack would be a twentieth of a byte time on every wait.
        prctl(PR_SET_TIMERSLACK, 1UL);
#endif
    }
    RadioLoop loop(line.masterFd(), session, byteNs, options.hangupAfter, options.faults);
    std::unique_ptr<RadioTrace> trace;
    if (!options.tracePath.isEmpty()) {
        trace = std::make_unique<RadioTrace>(options.tracePath,
                                             options.linkPath.isEmpty() ? line.devicePath() : options.linkPath);
        trace->complain = complain;
        trace->open();
        loop.setTrace(trace.get());
    }
    const RadioLoop::Ending ending = loop.run(waitMask, g_stop);
    line.close();
    if (log)
        std::fclose(log);
    if (ending == RadioLoop::Ending::Failed) {
        complain(loop.errorText());
        return 1;
    }
    return 0;
}
