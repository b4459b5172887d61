// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Command.h"

namespace kt913::cli {

// What differs between two data files, or between a file and the last read.
class DiffCommand : public Command {
public:
    QString name() const override { return QStringLiteral("diff"); }
    QString synopsis() const override { return QStringLiteral("diff [-o OUT] A.dat B.dat | diff --last-read [-o OUT] B.dat"); }
    QString summary() const override { return QStringLiteral("list every value that differs between two data files"); }
    QString options() const override
    {
        return QStringLiteral("  --last-read       compare B.dat with the newest backup of a read from the\n"
                              "                    radio\n"
                              "  --backups DIR     where the read backups are (default: the program's backup\n"
                              "                    folder)\n"
                              "  -o OUT            write the list into the file OUT (default, and -: standard\n"
                              "                    output)\n"
                              "  --lang zh|en      the language of the names and values (default en)\n"
                              "Exit code 0 when the files hold the same, 1 when they differ.\n");
    }
    int run(const QStringList &args, Context &ctx) override;
};

} // namespace kt913::cli
