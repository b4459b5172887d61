// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Command.h"

namespace kt913::cli {

// Reads the radio and stores what the application would save after that read (decode,
// encode, file), or with --raw the memory image exactly as it came from the radio.
class ReadCommand : public Command {
public:
    QString name() const override { return QStringLiteral("read"); }
    QString synopsis() const override { return QStringLiteral("read --port PORT -o FILE.dat [--raw] [--trace FILE]"); }
    QString summary() const override { return QStringLiteral("read the radio into a data file"); }
    QString options() const override
    {
        return QStringLiteral("  --port PORT    the serial port (a device path, or COM1..COM16)\n"
                              "  -o FILE.dat    the data file to write, only after a complete read\n"
                              "  --raw          store the memory exactly as received\n"
                              "  --trace FILE   log every frame sent and received (see README)\n");
    }
    int run(const QStringList &args, Context &ctx) override;
};

} // namespace kt913::cli
