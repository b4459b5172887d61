// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "widgets/CaptionTable.h"

namespace kt913 {
// The comparison with the radio (FrmCompare) and the preview of a write (FrmWritePreview).
const CaptionTable &comparisonWindowCaptions();
const CaptionTable &writePreviewCaptions();
} // namespace kt913
