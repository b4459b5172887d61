#include "shell/StartUp.h"
#include "widgets/AppIcon.h"
#include "shell/FileCommands.h"
#include "shell/MDIForm1.h"
#include "link/SerialTrace.h"
#include "link/Transfer.h"
#include "widgets/MessageBox.h"
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace kt913 {

namespace {

// Resident memory in kB (Linux); 0 where it cannot be read.
long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

} // namespace

StartUpRequest parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Programming software for the KT-913 handheld radio."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption portOption(
        QStringLiteral("port"), QStringLiteral("Serial port to use: a device path such as /dev/ttyUSB0 or a pseudo-terminal."),
        QStringLiteral("PORT"));
    parser.addOption(portOption);
    const QCommandLineOption traceOption(
        QStringLiteral("trace"), QStringLiteral("Log every frame sent and received on the serial port to this file."),
        QStringLiteral("FILE"));
    parser.addOption(traceOption);
    parser.addPositionalArgument(QStringLiteral("FILE.dat"), QStringLiteral("Data file to open at start-up."));

    StartUpRequest request;
    if (!parser.parse(arguments)) {
        request.exitNow = true;
        request.exitCode = 2;
        request.message = parser.errorText() + QLatin1Char('\n') + parser.helpText();
        return request;
    }
    if (parser.isSet(help)) {
        request.exitNow = true;
        request.message = parser.helpText();
        return request;
    }
    if (parser.isSet(version)) {
        request.exitNow = true;
        request.message = QStringLiteral("kt913 " PROJECT_VERSION_TEXT "\n");
        return request;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        request.exitNow = true;
        request.exitCode = 2;
        request.message = QStringLiteral("kt913 opens one data file at a time.\n") + parser.helpText();
        return request;
    }
    request.port = parser.value(portOption);
    request.file = files.value(0);
    request.tracePath = parser.value(traceOption);
    return request;
}

std::unique_ptr<SerialTrace> attachSerialTrace(MDIForm1 &window, const QString &path)
{
    auto trace = std::make_unique<SerialTrace>(path, QStringLiteral("kt913"));
    // Told once, after the event that found it, over whatever window is up.
    QObject::connect(
        trace.get(), &SerialTrace::failed, &window,
        [&window, path](const QString &reason) {
            const Language lang = window.model().language;
            MsgBox(&window, lang, SerialTrace::failureText(path, reason, lang), mb::Exclamation, QString());
        },
        Qt::QueuedConnection);
    trace->open();
    window.transfer().setTrace(trace.get());
    return trace;
}

int runApplication(int argc, char **argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kt913"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));
    QApplication::setWindowIcon(appIcon()); // also the message boxes' and dialogs' frames

    const StartUpRequest request = parseCommandLine(QApplication::arguments());
    if (request.exitNow) {
        std::fputs(qPrintable(request.message), request.exitCode ? stderr : stdout);
        return request.exitCode;
    }

    MDIForm1::Options options;
    options.startPort = request.port;
    std::unique_ptr<SerialTrace> trace; // outlives the window's transfer
    MDIForm1 window(std::move(options));
    if (!request.tracePath.isEmpty())
        trace = attachSerialTrace(window, request.tracePath);
    window.load();
    window.show();

    // Measuring aid for the start-up benchmark: report and leave once the window is up.
    if (qEnvironmentVariableIsSet("KT913_STARTUP_PROBE")) {
        QTimer::singleShot(0, &app, [&] {
            std::printf("shown_ms=%lld rss_kb=%ld\n", static_cast<long long>(sinceStart.elapsed()), residentKb());
            std::fflush(stdout);
            QApplication::exit(0);
        });
        return app.exec();
    }

    if (!request.file.isEmpty())
        window.fileCommands().openFile(request.file);

    return app.exec();
}

} // namespace kt913
