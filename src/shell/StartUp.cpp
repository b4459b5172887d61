// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/StartUp.h"
#include "widgets/AppIcon.h"
#include "shell/FileCommands.h"
#include "shell/MainWindow.h"
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
    // Not Qt's own help option: its --help-all needs the application object.
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption languageOption(
        QStringLiteral("lang"),
        QStringLiteral("Language of this session: zh (Chinese) or en (English). The language chosen in the "
                       "program's menu stays stored as it is."),
        QStringLiteral("en|zh"));
    parser.addOption(languageOption);
    const QCommandLineOption portOption(
        QStringLiteral("port"), QStringLiteral("Serial port to use: a device path such as /dev/ttyUSB0 or a pseudo-terminal."),
        QStringLiteral("PORT"));
    parser.addOption(portOption);
    const QCommandLineOption traceOption(
        QStringLiteral("trace"), QStringLiteral("Log every frame sent and received on the serial port to this file."),
        QStringLiteral("FILE"));
    parser.addOption(traceOption);
    parser.addPositionalArgument(QStringLiteral("FILE.dat"), QStringLiteral("Data file to open at start-up."));
    // -reverse and -platformtheme, the toolkit's, are not -r -e -v... (a version request).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);

    StartUpRequest request;
    const bool parsed = parser.parse(arguments);
    // Without an application object the parser cannot name the program.
    const QString helpText = parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("kt913"));
    const auto refuse = [&](const QString &problem) {
        request.exitNow = true;
        request.exitCode = 2;
        request.message = QStringLiteral("kt913: ") + problem + QLatin1Char('\n') + helpText;
        return request;
    };
    if (parser.isSet(help)) {
        request.exitNow = true;
        request.message = helpText;
        return request;
    }
    if (parser.isSet(version)) {
        request.exitNow = true;
        request.message = QStringLiteral("kt913 " PROJECT_VERSION_TEXT "\n");
        return request;
    }
    if (!parsed)
        return refuse(parser.errorText());
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return refuse(QStringLiteral("kt913 opens one data file at a time."));
    if (parser.isSet(languageOption)) {
        const QString lang = parser.value(languageOption);
        if (lang != QLatin1String("en") && lang != QLatin1String("zh"))
            return refuse(QStringLiteral("--lang: '%1' is not a language (en or zh)").arg(lang));
        request.language = lang == QLatin1String("zh") ? Language::Chinese : Language::English;
    }
    request.port = parser.value(portOption);
    request.file = files.value(0);
    request.tracePath = parser.value(traceOption);
    return request;
}

std::unique_ptr<SerialTrace> attachSerialTrace(MainWindow &window, const QString &path)
{
    auto trace = std::make_unique<SerialTrace>(path, QStringLiteral("kt913"));
    // Told once, after the event that found it, over whatever window is up.
    QObject::connect(
        trace.get(), &SerialTrace::failed, &window,
        [&window, path](const QString &reason) {
            const Language lang = window.model().language();
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

    // Help and version need no display: answered before the application looks for one.
    QStringList rawArguments;
    for (int i = 0; i < argc; ++i)
        rawArguments << QString::fromLocal8Bit(argv[i]);
    const StartUpRequest early = parseCommandLine(rawArguments);
    if (early.exitNow && early.exitCode == 0) {
        std::fputs(qPrintable(early.message), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kt913"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));
    QApplication::setWindowIcon(appIcon()); // also the message boxes' and dialogs' frames

    const StartUpRequest request = parseCommandLine(QApplication::arguments());
    if (request.exitNow) {
        std::fputs(qPrintable(request.message), request.exitCode ? stderr : stdout);
        return request.exitCode;
    }

    MainWindow::Options options;
    options.startPort = request.port;
    options.sessionLanguage = request.language;
    std::unique_ptr<SerialTrace> trace; // outlives the window's transfer
    MainWindow window(std::move(options));
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
