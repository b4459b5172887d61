// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Command.h"

namespace kt913::cli {

// The channels of a data file as a CSV channel list.
class ExportCsvCommand : public Command {
public:
    QString name() const override { return QStringLiteral("export-csv"); }
    QString synopsis() const override { return QStringLiteral("export-csv FILE.dat -o OUT.csv"); }
    QString summary() const override { return QStringLiteral("write the channels in use as a CSV channel list"); }
    QString options() const override { return QStringLiteral("  -o OUT.csv    the list to write (written whole or not at all);\n"
                              "                - prints it on standard output\n"); }
    int run(const QStringList &args, Context &ctx) override;
};

// A CSV channel list put into the channels of a data file, saved as a new one.
class ImportCsvCommand : public Command {
public:
    QString name() const override { return QStringLiteral("import-csv"); }
    QString synopsis() const override { return QStringLiteral("import-csv IN.csv --base FILE.dat -o OUT.dat"); }
    QString summary() const override { return QStringLiteral("put a CSV channel list into the channels of a data file"); }
    QString options() const override
    {
        return QStringLiteral("  --base FILE.dat   the data file the channels go into; channels the list does\n"
                              "                    not give, settings, FM and debug values stay as they are\n"
                              "  -o OUT.dat        the data file to save (written whole or not at all)\n"
                              "Rows that cannot be taken are listed with their line and reason; the other\n"
                              "rows are saved and the exit code is 2. A file that cannot be read at all\n"
                              "saves nothing.\n");
    }
    int run(const QStringList &args, Context &ctx) override;
};

} // namespace kt913::cli
