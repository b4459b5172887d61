// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One class per command of kt913-cli.
#include "Arguments.h"
#include "image/Language.h"
#include <QStringList>
#include <QTextStream>

namespace kt913::cli {

enum ExitCode {
    ExitOk = 0,
    ExitRadio = 1, // the radio or the link failed
    ExitUsage = 2, // bad usage or bad input
    // Returned by a command for wrong arguments: main prints the reason and the
    // command's usage and exits with ExitUsage.
    BadUsage = -1,
};

struct Context {
    QTextStream &out;
    QTextStream &err;
    Language lang = Language::English;
    bool errIsTerminal = false;
    QString usageProblem; // what was wrong, when a command answers BadUsage
};

// Hands a bad argument list back to main with its reason.
inline int badUsage(Context &ctx, const Arguments &a)
{
    ctx.usageProblem = a.problem();
    return BadUsage;
}

class Command {
public:
    virtual ~Command() = default;
    virtual QString name() const = 0;
    virtual QString synopsis() const = 0; // usage line after "kt913-cli"
    virtual QString summary() const = 0;  // one line of help
    // What `kt913-cli COMMAND --help` prints after the usage line: the options, a line each.
    virtual QString options() const = 0;
    virtual int run(const QStringList &args, Context &ctx) = 0;
};

} // namespace kt913::cli
