// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "widgets/CaptionTable.h"
#include <vector>

namespace kt913 {

// Every window's caption table, in the order ApplyLanguage visits the windows.
const std::vector<const CaptionTable *> &captionTables();

} // namespace kt913
