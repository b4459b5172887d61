#pragma once
#include "Command.h"

namespace kt913::cli {

// Opens a data file and writes it to the radio as the application does: encoded from
// the decoded state, compared with the radio's band by the file's band selection unless
// --band chooses another (as choosing it in the band list and keeping the channels).
// --force is the force-write mode with OK for its band question; --debug writes the two
// alignment blocks; --verify reads the radio back and compares what was sent.
class WriteCommand : public Command {
public:
    QString name() const override { return QStringLiteral("write"); }
    QString synopsis() const override
    {
        return QStringLiteral("write --port PORT FILE.dat [--band N] [--force] [--debug] [--verify] [--trace FILE]");
    }
    QString summary() const override { return QStringLiteral("write a data file to the radio"); }
    QString options() const override
    {
        return QStringLiteral("  --port PORT    the serial port (a device path, or COM1..COM16)\n"
                              "  --band N       the band list's choice 0..3 instead of the file's\n"
                              "  --force        write even to a radio of another band\n"
                              "  --debug        also write the alignment values\n"
                              "  --verify       read the radio back and compare every byte written\n"
                              "  --trace FILE   log every frame sent and received (see README)\n");
    }
    int run(const QStringList &args, Context &ctx) override;
};

} // namespace kt913::cli
