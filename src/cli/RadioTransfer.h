// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One read or write of the radio run to its end for a command: the port opened with
// the program's port message, a progress bar when standard error is a terminal, and
// every failed ending printed with the program's own message.
#include "Command.h"
#include "link/SerialTrace.h"
#include "link/Transfer.h"
#include <memory>

namespace kt913::cli {

struct TransferRequest {
    Transfer::Kind kind = Transfer::Kind::Read;
    QString port;
    bool writeAnyway = false; // the answer to the band question of the force-write mode
};

// Runs the transfer and returns how it ended; failures are already printed. A port that
// does not open is reported and then refused by the transfer (PortInvalid).
Transfer::Ending runTransfer(Transfer &transfer, const TransferRequest &request, Context &ctx);

// Prints the message of an ending: successes to standard output, failures to standard
// error; a verified write says so after its success message.
void printEnding(const Transfer &transfer, Transfer::Ending ending, Context &ctx);
// The text of an ending on its own (empty for a cancelled band question).
QString endingText(const Transfer &transfer, Transfer::Ending ending, Language lang);

// The trace of --trace FILE (null when `path` is empty). A file that cannot be written is
// told once on standard error; the transfers go on without it.
std::unique_ptr<SerialTrace> openTrace(const QString &path, Context &ctx);

// ExitOk for the two successes, ExitRadio for every other ending.
int exitCodeFor(Transfer::Ending ending);

} // namespace kt913::cli
