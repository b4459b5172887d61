// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decoding the memory image into the model and encoding the model into the output image.
#include "RadioModel.h"
#include <QStringList>

namespace kt913 {

// Whole-image operations, in the order the radio's layout demands.
void DecodeImage(RadioModel &model);
void EncodeImage(RadioModel &model);

// Channel part.
void SetNumOf(RadioModel &model);        // 128 records -> channel tables (not the names)
void decodeChannelNames(RadioModel &model);
void SetGrid(RadioModel &model);         // channel tables -> grid texts
void encodeChannels(RadioModel &model);  // records, 0x680..0x6FF fill
void encodeChannelNames(RadioModel &model);
QString ChannelCode(const QString &name); // 16 hex digits

// Settings part (0x700..0x75F and 0x7A6).
void decodeSettings(RadioModel &model);
void encodeSettings(RadioModel &model);
// The optional-features controls that decoding sets, in address order.
QList<ControlKey> decodedSettingControls();

// FM and alignment values.
void decodeFmAndDebug(RadioModel &model);
void encodeFmAndDebug(RadioModel &model);

} // namespace kt913
