// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs kt913-cli as a user does and collects what it printed.
#include "support/TestTime.h"
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace kt913::test {

struct CliRun {
    int code = -1; // -1: it crashed or did not finish
    QString out, err;
};

// `input` is what the user types on its standard input (none: it sees end of input).
inline CliRun runCli(const QStringList &args, const QByteArray &input = {})
{
    QProcess p;
    p.start(QStringLiteral(KT913_BINARY_DIR "/src/cli/kt913-cli"), args);
    p.write(input);
    p.closeWriteChannel();
    CliRun r;
    if (!p.waitForFinished(timeBound(30000)))
        return r;
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

} // namespace kt913::test
