// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageCodec.h"

namespace kt913 {

void DecodeImage(RadioModel &m)
{
    // The channel views hear of the new contents once, when the grid texts are done.
    const ChannelTables::Batch batch(m.channels());
    SetNumOf(m);
    decodeSettings(m);
    decodeFmAndDebug(m);
    decodeChannelNames(m);
    SetGrid(m);
    m.announceDecoded();
}

void EncodeImage(RadioModel &m)
{
    encodeChannels(m);
    encodeSettings(m);
    encodeFmAndDebug(m);
    encodeChannelNames(m);
}

} // namespace kt913
