// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening and saving data files the way the application does, for the commands.
#include "Command.h"
#include "image/RadioModel.h"

namespace kt913::cli {

// Open: reads the file into the memory image and decodes it. Prints the program's
// message and returns ExitUsage when the file cannot be used, else ExitOk.
int openDataFile(const QString &path, RadioModel &model, Context &ctx);
// Save: encodes the model and stores the output image. ExitUsage on failure.
int saveDataFile(const QString &path, RadioModel &model, Context &ctx);

} // namespace kt913::cli
