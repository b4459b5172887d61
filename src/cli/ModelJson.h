// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "image/RadioModel.h"
#include <QJsonObject>

namespace kt913::cli {

// The decoded contents of a model as one JSON object: band, channels in use, settings,
// FM and alignment values.
QJsonObject modelToJson(const RadioModel &model);

} // namespace kt913::cli
