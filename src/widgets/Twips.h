// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sizes in the window designs are given in twips; the screen counts 15 twips a pixel.
#include <QtGlobal>

namespace kt913 {

constexpr int kTwipsPerPixel = 15;
constexpr int twips(int t) { return (t + kTwipsPerPixel / 2) / kTwipsPerPixel; }

} // namespace kt913
