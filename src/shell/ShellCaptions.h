// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The caption tables of the shell's own windows.
#include "widgets/CaptionTable.h"

namespace kt913 {

const CaptionTable &mainWindowCaptions();
const CaptionTable &aboutWindowCaptions();

} // namespace kt913
