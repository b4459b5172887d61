// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Command.h"

namespace kt913::cli {

// Open then Save, exactly as the application does it.
class ResaveCommand : public Command {
public:
    QString name() const override { return QStringLiteral("resave"); }
    QString synopsis() const override { return QStringLiteral("resave FILE.dat -o OUT.dat"); }
    QString summary() const override { return QStringLiteral("open a data file and save it again as the program would"); }
    QString options() const override { return QStringLiteral("  -o OUT.dat    the file to save (written whole or not at all)\n"); }
    int run(const QStringList &args, Context &ctx) override;
};

} // namespace kt913::cli
