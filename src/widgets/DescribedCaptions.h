// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window's caption table made from its description: label and check box captions,
// list items, tabs, frames, buttons and grid headers, each written once in the
// description and never typed again for the language switch.
#include "image/ControlDescription.h"
#include "widgets/CaptionTable.h"

namespace kt913 {

// What a screen reader adds to a grid's name: how its cells are edited.
inline constexpr const char *kGridKeysZh = "方向键移动，Enter 或 F2 编辑单元格";
inline constexpr const char *kGridKeysEn = "Arrow keys move, Enter or F2 edits the cell";

// The rows of every text that differs between the languages (a text that is the same
// in both is left as the window was built with it). Made once per description; the
// table lives for the program.
const CaptionTable &captionTableFor(const FormDescription &description);

} // namespace kt913
