// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/RadioOptions.h"

#include <QCommandLineParser>
#include <algorithm>
#include <cctype>
#include <vector>

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

constexpr int kLargest = 1 << 30;

// FRAME:VALUE[:VALUE...] for the faults: the frame whose reply is hit, then what to do
// to it. Each part decimal or 0x-prefixed; `ranges` gives the bounds of each part, and
// parts past the given ones keep the values already in `parts`.
bool targetedOption(const QCommandLineParser &parser, const QString &name, int required,
                    const std::vector<std::pair<int, int>> &ranges, std::vector<int> &parts,
                    QString &error)
{
    if (!parser.isSet(name))
        return true;
    const QStringList fields = parser.value(name).split(QLatin1Char(':'));
    bool ok = fields.size() >= required && fields.size() <= int(ranges.size());
    for (int i = 0; ok && i < fields.size(); ++i) {
        const int parsed = fields[i].toInt(&ok, 0);
        ok = ok && parsed >= ranges[std::size_t(i)].first && parsed <= ranges[std::size_t(i)].second;
        if (ok)
            parts[std::size_t(i)] = parsed;
    }
    if (!ok)
        error = QStringLiteral("--%1: \"%2\" is no FRAME and values within bounds (see --help)")
                    .arg(name, parser.value(name));
    return ok;
}

// FRAME:HEX, the junk bytes written out in hexadecimal.
bool junkOption(const QCommandLineParser &parser, const QString &name, int &frame,
                QByteArray &junk, QString &error)
{
    if (!parser.isSet(name))
        return true;
    const QStringList fields = parser.value(name).split(QLatin1Char(':'));
    bool ok = fields.size() == 2;
    int parsed = 0;
    if (ok)
        parsed = fields[0].toInt(&ok, 0);
    const QByteArray hex = ok ? fields[1].toLatin1() : QByteArray();
    ok = ok && parsed >= 1 && !hex.isEmpty() && hex.size() % 2 == 0
      && std::all_of(hex.begin(), hex.end(), [](char c) { return std::isxdigit(std::uint8_t(c)); });
    if (!ok) {
        error = QStringLiteral("--%1 needs FRAME:HEX (for example 5:FF00), not \"%2\"")
                    .arg(name, parser.value(name));
        return false;
    }
    frame = parsed;
    junk = QByteArray::fromHex(hex);
    return true;
}

bool faultOptions(const QCommandLineParser &parser, LineFaults &faults, QString &error)
{
    const std::pair<int, int> frame{1, kLargest};
    std::vector<int> split{faults.splitReply, faults.splitPauseMs};
    std::vector<int> drop{faults.dropReply, faults.dropByte};
    std::vector<int> flip{faults.flipReply, faults.flipByte, faults.flipMask};
    std::vector<int> stall{faults.stallReply, faults.stallMs};
    if (!targetedOption(parser, QStringLiteral("split-reply"), 1, {frame, {0, 60000}}, split, error)
        || !targetedOption(parser, QStringLiteral("drop-byte"), 2, {frame, {1, 255}}, drop, error)
        || !targetedOption(parser, QStringLiteral("flip-byte"), 2, {frame, {1, 255}, {1, 255}}, flip, error)
        || !targetedOption(parser, QStringLiteral("stall"), 2, {frame, {0, 600000}}, stall, error)
        || !junkOption(parser, QStringLiteral("junk-before"), faults.junkBeforeReply, faults.junkBefore, error)
        || !junkOption(parser, QStringLiteral("junk-after"), faults.junkAfterReply, faults.junkAfter, error)
        || !numberOption(parser, QStringLiteral("echo-after"), 0, kLargest, faults.echoAfter, error))
        return false;
    faults.splitReply = split[0];
    faults.splitPauseMs = split[1];
    faults.dropReply = drop[0];
    faults.dropByte = drop[1];
    faults.flipReply = flip[0];
    faults.flipByte = flip[1];
    faults.flipMask = std::uint8_t(flip[2]);
    faults.stallReply = stall[0];
    faults.stallMs = stall[1];
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
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the program's name and version."));
    parser.addOption(version);
    parser.addOptions({
        {QStringLiteral("image"), QStringLiteral("Start with the memory of this .dat file (else all 0xFF)."), QStringLiteral("FILE")},
        {QStringLiteral("save"), QStringLiteral("Store the memory in this .dat file after each completed write."), QStringLiteral("FILE")},
        {QStringLiteral("link"), QStringLiteral("Make a symbolic link to the device here (removed on exit)."), QStringLiteral("PATH")},
        {QStringLiteral("log"), QStringLiteral("Log every received frame, one line each."), QStringLiteral("FILE")},
        {QStringLiteral("trace"), QStringLiteral("Serial trace: every frame received and sent, with the time in milliseconds."), QStringLiteral("FILE")},
        {QStringLiteral("band"), QStringLiteral("Band code byte of the identification (default 0)."), QStringLiteral("N")},
        {QStringLiteral("model"), QStringLiteral("Model identifier to report (default HXP417)."), QStringLiteral("TEXT")},
        {QStringLiteral("id-extra"), QStringLiteral("Byte after the band code (default 0)."), QStringLiteral("N")},
        {QStringLiteral("id-length"), QStringLiteral("Send an identification of N bytes, cut or padded with the extra byte."), QStringLiteral("N")},
        {QStringLiteral("silent"), QStringLiteral("Never answer anything.")},
        {QStringLiteral("baud"), QStringLiteral("Take the line's own time: 10 bits a byte at 9600 baud, both directions.")},
        {QStringLiteral("quiet-after"), QStringLiteral("After N frames neither answer nor act on anything."), QStringLiteral("N")},
        {QStringLiteral("exit-with-parent"), QStringLiteral("Stop when the process that started the radio ends (Linux).")},
        {QStringLiteral("keep-wrong"), QStringLiteral("Fault: store the byte written at ADDR inverted, as a failing memory cell."), QStringLiteral("ADDR")},
        {QStringLiteral("hangup-after"), QStringLiteral("Answer N frames, then close the line and exit when more arrives."), QStringLiteral("N")},
        // Line faults. FRAME counts the frames received, 1 being the handshake; the fault
        // hits the reply to that frame.
        {QStringLiteral("split-reply"), QStringLiteral("Fault: send the reply to frame FRAME a byte at a time, MS apart (default 50)."), QStringLiteral("FRAME[:MS]")},
        {QStringLiteral("junk-before"), QStringLiteral("Fault: send these bytes just before the reply to frame FRAME."), QStringLiteral("FRAME:HEX")},
        {QStringLiteral("junk-after"), QStringLiteral("Fault: send these bytes just after the reply to frame FRAME."), QStringLiteral("FRAME:HEX")},
        {QStringLiteral("drop-byte"), QStringLiteral("Fault: leave out byte K (1 first) of the reply to frame FRAME."), QStringLiteral("FRAME:K")},
        {QStringLiteral("flip-byte"), QStringLiteral("Fault: XOR byte K (1 first) of the reply to frame FRAME with MASK (default 0xFF)."), QStringLiteral("FRAME:K[:MASK]")},
        {QStringLiteral("stall"), QStringLiteral("Fault: hold the reply to frame FRAME back for MS milliseconds."), QStringLiteral("FRAME:MS")},
        {QStringLiteral("echo-after"), QStringLiteral("Fault: after N frames send every received byte straight back, as some cables do (0: from the start)."), QStringLiteral("N")},
    });

    // Help and version are answered whatever else the line holds.
    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help)) {
        // No application object here to name the program, so name it ourselves.
        error = parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("kt913-radio"));
        options.helpShown = true;
        return false;
    }
    if (parser.isSet(version)) {
        options.versionAsked = true;
        return true;
    }
    if (!parsed) {
        error = parser.errorText();
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
    options.tracePath = parser.value(QStringLiteral("trace"));
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
        || !numberOption(parser, QStringLiteral("hangup-after"), 1, 1 << 30, options.hangupAfter, error)
        || !numberOption(parser, QStringLiteral("keep-wrong"), 0, 0xBFF, options.behaviour.keepWrongAddress, error)
        || !faultOptions(parser, options.faults, error))
        return false;
    options.identity.band = std::uint8_t(band);
    options.identity.extra = std::uint8_t(extra);
    return true;
}

} // namespace kt913::radio
