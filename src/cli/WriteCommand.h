// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Command.h"
#include "image/BandTable.h"

namespace kt913 {
class RadioModel;
}

namespace kt913::cli {

// Opens a data file and writes it to the radio as the application does: encoded from
// the decoded state, compared with the radio's band by the file's band selection unless
// --band chooses another (as choosing it in the band list and keeping the channels).
// --force is the force-write mode with OK for its band question, and also sends channels
// outside the band (refused without it); --debug writes the two
// alignment blocks; --verify reads the radio back and compares what was sent; --preview
// reads the radio first, lists what the write would change and writes only after a yes
// (--dry-run: never). Several --port options write the same file to several radios at
// once; --repeat goes on to the next radio on each port until Ctrl-C.
class WriteCommand : public Command {
public:
    QString name() const override { return QStringLiteral("write"); }
    QString synopsis() const override
    {
        return QStringLiteral("write --port PORT [--port PORT ...] FILE.dat [--band N] [--force] [--debug] [--verify] "
                              "[--preview | --dry-run] [--repeat] [--trace FILE]");
    }
    QString summary() const override { return QStringLiteral("write a data file to the radio"); }
    QString options() const override
    {
        QString bands;
        const QStringList items = bandListItems();
        for (int i = 0; i < items.size(); ++i)
            bands += QStringLiteral("                   %1  %2\n").arg(i).arg(items[i]);
        return QStringLiteral("  --port PORT    the serial port (a device path, or COM1..COM16); give it once\n"
                              "                 for each radio to write at the same time\n"
                              "  --band N       the band list's choice instead of the file's:\n")
             + bands
             + QStringLiteral("  --force        write even to a radio of another band, and channels\n"
                              "                 outside the band\n"
                              "  --debug        also write the alignment values\n"
                              "  --verify       read the radio back and compare every byte written\n"
                              "  --preview      read the radio first, list what the write would change and\n"
                              "                 ask \"Write? [y/N]\"; anything but yes writes nothing (exit 1)\n"
                              "  --dry-run      the same list, then stop without writing\n"
                              "  --repeat       after each radio wait for the next one on the same port,\n"
                              "                 until Ctrl-C; the radios written are counted\n"
                              "  --trace FILE   log every frame sent and received (see README)\n");
    }
    int run(const QStringList &args, Context &ctx) override;
};

struct WriteOptions {
    QStringList ports;
    QString file;
    int band = -1; // -1: the file's own
    bool force = false, debug = false, verify = false, repeat = false;
    bool preview = false, dryRun = false;
};

// The model a write sends: the file opened and decoded, then the band and the service
// modes the options ask for. ExitUsage (told) when the file cannot be used.
int prepareWriteModel(RadioModel &model, const WriteOptions &options, Context &ctx);

} // namespace kt913::cli
