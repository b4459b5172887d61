// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The caption tables of the editor windows (one data file each, FormNCaptions.cpp).
#include "widgets/CaptionTable.h"

namespace kt913 {

const CaptionTable &channelEditorCaptions();
const CaptionTable &dtmfEditorCaptions();
const CaptionTable &optionalFeaturesEditorCaptions();
const CaptionTable &debugEditorCaptions();
const CaptionTable &fmEditorCaptions();

} // namespace kt913
