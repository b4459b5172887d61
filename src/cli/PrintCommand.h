// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Command.h"

namespace kt913::cli {

// The channel report of a data file as a PDF, as the program's print preview shows it.
class PrintCommand : public Command {
public:
    QString name() const override { return QStringLiteral("print"); }
    QString synopsis() const override { return QStringLiteral("print FILE.dat -o REPORT.pdf"); }
    QString summary() const override { return QStringLiteral("write the channel report of a data file as a PDF"); }
    QString options() const override
    {
        return QStringLiteral("  -o REPORT.pdf    the PDF to write (its folder must exist)\n"
                              "  --lang zh|en     (before the command) the report's language\n");
    }
    int run(const QStringList &args, Context &ctx) override;
};

} // namespace kt913::cli
