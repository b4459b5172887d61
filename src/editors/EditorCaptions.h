// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The caption tables of the editor windows (one data file each, FormNCaptions.cpp).
#include "widgets/CaptionTable.h"

namespace kt913 {

const CaptionTable &form1Captions();
const CaptionTable &form2Captions();
const CaptionTable &form3Captions();
const CaptionTable &form4Captions();
const CaptionTable &form5Captions();

} // namespace kt913
