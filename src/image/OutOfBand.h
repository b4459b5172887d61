// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Channels whose frequencies the selected band does not accept. Typing such a frequency
// is refused, but a band changed without clearing the list (the band question
// cancelled) or a list made for another radio leaves them in place; the grids mark them
// and a write asks before sending them.
#include "BandTable.h"
#include "ChannelTables.h"
#include "Language.h"
#include <QList>

namespace kt913 {

// An empty text (no frequency) is inside every band.
bool frequencyOutsideBand(const QString &frequency, const BandState &band);
// The channels in use whose receive or transmit frequency lies outside, in channel order.
QList<int> channelsOutsideBand(const ChannelTables &tables, const BandState &band);

// What a marked cell says, to the eye (its tooltip) and to a screen reader.
QString outsideBandNote(Language lang);

} // namespace kt913
