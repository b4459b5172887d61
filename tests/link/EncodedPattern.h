// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A data file's image for command-line writes: a pattern as the program opens and saves
// it, so that what the radio stores can be compared with it byte for byte. The write
// refuses channels outside the band, so the ones the pattern puts there are left out.
#include "ScriptedRadio.h"
#include "image/ImageCodec.h"
#include "image/OutOfBand.h"
#include "image/RadioModel.h"

namespace kt913::test {

inline Image encodedPattern(int seed, int band)
{
    RadioModel model;
    model.setMemoryImage(patternImage(seed));
    model.memoryImageToFill()[map::kBandVariant] = std::uint8_t(band);
    DecodeImage(model);
    for (int n : channelsOutsideBand(model.channels(), model.band()))
        model.channels().ClearNO(n);
    EncodeImage(model);
    return model.outputImage();
}

} // namespace kt913::test
