#pragma once
#include "Command.h"

namespace kt913::cli {

// What differs between two data files, or between a file and the last read.
class DiffCommand : public Command {
public:
    QString name() const override { return QStringLiteral("diff"); }
    QString synopsis() const override { return QStringLiteral("diff A.dat B.dat | diff --last-read B.dat"); }
    QString summary() const override { return QStringLiteral("list every value that differs between two data files"); }
    QString options() const override
    {
        return QStringLiteral("  --last-read       compare B.dat with the newest backup of a read from the radio\n"
                              "  --backups DIR     where the read backups are (default: the program's backup folder)\n"
                              "  --lang zh|en      the language of the names and values (default en)\n"
                              "Exit code 0 when the files hold the same, 1 when they differ.\n");
    }
    int run(const QStringList &args, Context &ctx) override;
};

} // namespace kt913::cli
