// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Command.h"

namespace kt913::cli {

// Opens a data file and prints what it holds, as text or as one JSON object.
class DumpCommand : public Command {
public:
    QString name() const override { return QStringLiteral("dump"); }
    QString synopsis() const override { return QStringLiteral("dump [--json] [-o OUT] FILE.dat"); }
    QString summary() const override { return QStringLiteral("print the channels, settings, FM and debug values of a data file"); }
    QString options() const override { return QStringLiteral("  --json    one JSON object instead of text\n"
                              "  -o OUT    write it into the file OUT (default, and -: standard output)\n"); }
    int run(const QStringList &args, Context &ctx) override;
};

} // namespace kt913::cli
