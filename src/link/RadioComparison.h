// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What differs between the radio and the editors, for Compare with Radio and for the
// preview of a write, in the window and on the command line alike.
#include "image/Image.h"
#include "image/ModelDiff.h"

namespace kt913 {

class RadioModel;

enum class ComparisonScope {
    // Everything the editors hold, alignment values included.
    EditorContents,
    // Only what a write of the editors would change: the addresses a write does not send
    // (the alignment blocks outside the debug mode, among others) keep the radio's bytes.
    WhatTheWriteSends,
};

// The radio's memory as read (`radio`) against the editors as a write would encode them.
// Both sides are decoded the same way in the editors' language, so a value shows as the
// windows show it and only real differences are listed; each difference runs from the
// radio ("before") to the editors ("after"). The editors' model is left as it was, its
// output image included.
QList<ModelDifference> compareWithRadio(const Image &radio, RadioModel &editors, ComparisonScope scope);

} // namespace kt913
