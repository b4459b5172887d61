// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A plausibly programmed radio, built through the model the way the editors fill it.
#include "image/RadioModel.h"

namespace kt913::test {

struct ChannelEntry {
    int number;
    const char *rx, *tx;
    const char *rxTone, *txTone; // nullptr: off
    int power, busyLock, scanAdd, bandwidth, scramble;
    const char *name;
};

// Puts one channel into the tables as the channel editor would, and its grid row.
void putChannel(RadioModel &model, const ChannelEntry &c);
// Fills a model with the sample radio: channels in both groups, settings, VFOs, FM, alignment.
void fillSampleRadio(RadioModel &model);
// The sample radio as the program writes it: the encoder's output image.
Image sampleImage();

} // namespace kt913::test
