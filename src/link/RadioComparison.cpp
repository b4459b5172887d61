// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/RadioComparison.h"
#include "image/ImageCodec.h"
#include "image/RadioModel.h"
#include "link/WriteVerify.h"

namespace kt913 {

QList<ModelDifference> compareWithRadio(const Image &radio, RadioModel &editors, ComparisonScope scope)
{
    // The encoder writes into the output image; a save or write encodes afresh anyway,
    // but a comparison is to leave every byte of the model as it found it.
    const Image keptOutput = editors.outputImage();
    EncodeImage(editors);
    Image written = editors.outputImage();
    editors.setOutputImage(keptOutput);
    if (scope == ComparisonScope::WhatTheWriteSends) {
        for (int a = 0; a < kImageSize; ++a)
            if (!writeSendsAddress(a, editors.debugUnlocked()))
                written[std::size_t(a)] = radio[std::size_t(a)];
    }

    RadioModel onRadio, inEditors;
    onRadio.setLanguage(editors.language());
    inEditors.setLanguage(editors.language());
    onRadio.setMemoryImage(radio);
    inEditors.setMemoryImage(written);
    DecodeImage(onRadio);
    DecodeImage(inEditors);
    return compareModels(onRadio, inEditors, editors.language());
}

} // namespace kt913
