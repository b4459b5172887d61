#include "shell/StartUp.h"
#include "shell/FileCommands.h"
#include "shell/MDIForm1.h"
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
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

int runApplication(int argc, char **argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kt913"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Programming software for the KT-913 handheld radio."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("Serial port to use (a device path such as /dev/ttyUSB0 or a pseudo-terminal)."),
                                        QStringLiteral("PORT"));
    parser.addOption(portOption);
    parser.addPositionalArgument(QStringLiteral("FILE.dat"), QStringLiteral("Data file to open at start-up."));
    parser.process(app);

    MDIForm1::Options options;
    options.startPort = parser.value(portOption);
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

    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty())
        window.fileCommands().openFile(files.first());

    return app.exec();
}

} // namespace kt913
