// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel report's content, taken from the model in the model's language.
#include "ReportWriter.h"
#include "image/RadioModel.h"

namespace kt913 {

// Builds the whole report into `writer`: title, function settings, the group A VFO, VOX,
// the alignment values and both channel grids.
void PrintContent(const RadioModel &model, ReportWriter &writer);

// A channel grid (group 1 = A, 2 = B) as the channel editor shows it: every row, empty
// ones included, every visible column with its header and width.
ReportTable channelReportTable(const RadioModel &model, int group);

} // namespace kt913
