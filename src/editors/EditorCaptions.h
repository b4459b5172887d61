// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel editor's caption table. The other editors' tables are made from their
// descriptions alone (captionTableFor in widgets/DescribedCaptions.h).
#include "widgets/CaptionTable.h"

namespace kt913 {

const CaptionTable &channelEditorCaptions();

} // namespace kt913
