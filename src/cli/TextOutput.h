// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a command's text goes: standard output, or a file given with -o.
#include "Command.h"

namespace kt913::cli {

// Prints `text`, or stores it in `path` whole or not at all (an earlier file stays as it
// was when the write fails). "-" and an empty path are standard output. ExitUsage (told)
// when the file cannot be written, else ExitOk.
int writeTextOutput(const QString &path, const QString &text, Context &ctx);

} // namespace kt913::cli
