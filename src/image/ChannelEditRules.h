// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the channel editor's cell editors accept and what committing them does to a
// channel, as pure functions: the widgets only collect keys and hand them here.
#include "BandTable.h"
#include "ChannelTables.h"
#include "Language.h"
#include <QString>

namespace kt913 {

// Most characters the user can type into the frequency box (Text1) and the name box
// (Text2). The name record holds 8; the box has always taken 6.
constexpr int kFrequencyBoxLength = 9;
constexpr int kNameBoxLength = 6;

// Key filters: the character the box takes for a typed one, or a null QChar when the
// box refuses it. The frequency box takes digits and the decimal point; the name box
// turns a..z into upper case and then takes codes 35..122 only (no space, "!" or '"',
// nothing above "z").
QChar frequencyKey(QChar c);
QChar nameKey(QChar c);
using KeyFilter = QChar (*)(QChar);

// A user's edit of a text box, typed or pasted: the box held `before`, the edit made it
// `after`. What the edit added passes the filter character by character and is cut to
// the room the length limit leaves; text that was already there is never cut (a box
// may be given a longer text by the program). An edit of which nothing can be taken
// leaves the box as it was, selection included. Returns the text the box keeps and
// where the cursor goes.
struct TypedText {
    QString text;
    int cursor = 0;
};
TypedText applyTypedEdit(const QString &before, const QString &after, KeyFilter filter, int maxLength);

// Committing the frequency box on a channel's receive (column 1) or transmit (column 2)
// cell.
enum class FrequencyOutcome {
    Unchanged, // an empty transmit text, or a text that is no number
    Deleted,   // an empty receive text: the whole channel is cleared
    Accepted,  // within the band: snapped onto the channel raster and stored
    OutOfBand, // outside both ranges of the band; the user is told, nothing changes
};
struct FrequencyCommit {
    FrequencyOutcome outcome = FrequencyOutcome::Unchanged;
    ChannelRow row; // the channel after the commit
};
// `bandSelection` is the band list's index as shown (it picks a new channel's
// bandwidth); `band` holds the accepted ranges, lower limits included, upper excluded.
FrequencyCommit commitFrequency(const ChannelRow &channel, int column, const QString &typed, const BandState &band,
                                int bandSelection, Language lang);

// Committing the name box: the text without any 0xFF character becomes the name.
ChannelRow commitName(const ChannelRow &channel, const QString &typed);

// Committing a choice from the tone list (columns 3, 4) or an option list (5..10): the
// cell shows the item, the index is stored; a tone also stores its text.
ChannelRow commitChoice(const ChannelRow &channel, int column, int index, const QString &itemText);

// Opening the frequency or name box takes the cell's text into the tables as the
// value being edited.
ChannelRow openTextCell(const ChannelRow &channel, int column);

} // namespace kt913
