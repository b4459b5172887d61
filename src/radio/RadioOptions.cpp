#include "radio/RadioOptions.h"

#include <QCommandLineParser>

namespace kt913::radio {

namespace {

// Accepts decimal and 0x-prefixed numbers, within [low, high].
bool numberOption(const QCommandLineParser &parser, const QString &name, int low, int high,
                  int &value, QString &error)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const int parsed = parser.value(name).toInt(&ok, 0);
    if (!ok || parsed < low || parsed > high) {
        error = QStringLiteral("--%1 needs a number from %2 to %3, not \"%4\"")
                    .arg(name).arg(low).arg(high).arg(parser.value(name));
        return false;
    }
    value = parsed;
    return true;
}

} // namespace

bool parseRadioOptions(const QStringList &arguments, RadioOptions &options, QString &error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Emulated KT-913 radio on a pseudo-terminal. Prints the device path on standard "
        "output and answers the programming protocol on it until SIGINT or SIGTERM."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    parser.addOption(help);
    parser.addOptions({
        {QStringLiteral("image"), QStringLiteral("Start with the memory of this .dat file (else all 0xFF)."), QStringLiteral("FILE")},
        {QStringLiteral("save"), QStringLiteral("Store the memory in this .dat file after each completed write."), QStringLiteral("FILE")},
        {QStringLiteral("link"), QStringLiteral("Make a symbolic link to the device here (removed on exit)."), QStringLiteral("PATH")},
        {QStringLiteral("log"), QStringLiteral("Log every received frame, one line each."), QStringLiteral("FILE")},
        {QStringLiteral("band"), QStringLiteral("Band code byte of the identification (default 0)."), QStringLiteral("N")},
        {QStringLiteral("model"), QStringLiteral("Model identifier to report (default HXP417)."), QStringLiteral("TEXT")},
        {QStringLiteral("id-extra"), QStringLiteral("Byte after the band code (default 0)."), QStringLiteral("N")},
        {QStringLiteral("id-length"), QStringLiteral("Send an identification of N bytes, cut or padded with the extra byte."), QStringLiteral("N")},
        {QStringLiteral("silent"), QStringLiteral("Never answer anything.")},
        {QStringLiteral("baud"), QStringLiteral("Take the line's own time: 10 bits a byte at 9600 baud, both directions.")},
        {QStringLiteral("quiet-after"), QStringLiteral("After N frames neither answer nor act on anything."), QStringLiteral("N")},
        {QStringLiteral("exit-with-parent"), QStringLiteral("Stop when the process that started the radio ends (Linux).")},
        {QStringLiteral("hangup-after"), QStringLiteral("Answer N frames, then close the line and exit when more arrives."), QStringLiteral("N")},
    });

    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return false;
    }
    if (parser.isSet(help)) {
        // No application object here to name the program, so name it ourselves.
        error = parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("kt913-radio"));
        options.helpShown = true;
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        error = QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first());
        return false;
    }

    options.imagePath = parser.value(QStringLiteral("image"));
    options.savePath = parser.value(QStringLiteral("save"));
    options.linkPath = parser.value(QStringLiteral("link"));
    options.logPath = parser.value(QStringLiteral("log"));
    options.paced = parser.isSet(QStringLiteral("baud"));
    options.behaviour.silent = parser.isSet(QStringLiteral("silent"));
    options.exitWithParent = parser.isSet(QStringLiteral("exit-with-parent"));
    if (parser.isSet(QStringLiteral("model"))) {
        options.identity.model = parser.value(QStringLiteral("model")).toLatin1();
        if (options.identity.model.isEmpty()) {
            error = QStringLiteral("--model needs a text");
            return false;
        }
    }

    int band = options.identity.band;
    int extra = options.identity.extra;
    if (!numberOption(parser, QStringLiteral("band"), 0, 255, band, error)
        || !numberOption(parser, QStringLiteral("id-extra"), 0, 255, extra, error)
        || !numberOption(parser, QStringLiteral("id-length"), 0, 255, options.identity.length, error)
        || !numberOption(parser, QStringLiteral("quiet-after"), 0, 1 << 30,
                         options.behaviour.quietAfterFrames, error)
        || !numberOption(parser, QStringLiteral("hangup-after"), 1, 1 << 30, options.hangupAfter, error))
        return false;
    options.identity.band = std::uint8_t(band);
    options.identity.extra = std::uint8_t(extra);
    return true;
}

} // namespace kt913::radio
