// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One data file written to several radios at once: one transfer (with its own model, as
// a write encodes into the model's output image) per port, all on the one event loop.
// With --repeat each port goes on: once its radio is taken off (it no longer answers the
// handshake, tried every second) it waits for the next one and writes it, until Ctrl-C.
#include "Command.h"
#include "WriteCommand.h"

namespace kt913 {
class SerialTrace;
}

namespace kt913::cli {

// A progress line per port on standard error (on a terminal redrawn in place, else a line
// at each change), then a summary on standard output. ExitOk when every radio was
// written, ExitRadio when any failed, ExitUsage when the file cannot be used.
int writeToManyRadios(const WriteOptions &options, SerialTrace *trace, Context &ctx);

} // namespace kt913::cli
