// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "widgets/CaptionTable.h"

namespace kt913 {
const CaptionTable &progressWindowCaptions();
}
