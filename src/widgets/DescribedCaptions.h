#pragma once
// A window's caption table made from its description: label and check box captions,
// list items, tabs, frames, buttons and grid headers, each written once in the
// description and never typed again for the language switch.
#include "image/ControlDescription.h"
#include "widgets/CaptionTable.h"

namespace kt913 {

// The rows of every text that differs between the languages (a text that is the same
// in both is left as the window was built with it). The table lives for the program.
CaptionTable captionTableFor(const FormDescription &description);

} // namespace kt913
