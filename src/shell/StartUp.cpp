#include "shell/StartUp.h"
#include "widgets/AppIcon.h"
#include "shell/FileCommands.h"
#include "shell/MDIForm1.h"
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <cstdio>

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
    parser.addPositionalArgument(QStringLiteral("FILE.dat"), QStringLiteral("Data file to open at start-up."));

    StartUpRequest request;
    if (!parser.parse(arguments)) {
        request = {QString(), QString(), true, 2, parser.errorText() + QLatin1Char('\n') + parser.helpText()};
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
    return request;
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
    MDIForm1 window(std::move(options));
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
