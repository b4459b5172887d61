// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Putting the channel list in order: sorting rows, closing the gaps of a group, moving a
// block of rows elsewhere in its group or into the other group, and finding channels by
// frequency, name or tone. Like the row operations, each change is worked out against
// the tables as they stand and returned as the channel edits it makes; nothing here
// touches the tables.
//
// Every rearrangement only moves rows: no channel's contents are lost or changed, and
// the row labels stay where they are.
#include "ChannelTables.h"
#include <QList>

namespace kt913 {

enum class SortKey { RxFrequency, TxFrequency, Name, Tone };

// The rows of `channels` (any positions, taken in ascending order) put in order by `key`;
// channels in use first, unused ones after them in the order they had. Ties keep their
// order, so sorting by one key after another sorts by both.
QList<ChannelEdit> sortRowEdits(const ChannelTables &tables, QList<int> channels, SortKey key, bool descending);

// The channels in use of group 1 (A) or 2 (B) moved up in their order, the unused ones
// after them.
QList<ChannelEdit> compactGroupEdits(const ChannelTables &tables, int group);

// Rows first..last (one group) moved to stand just before channel `before`, which is in
// the same group or one past its last channel; the rows in between shift to make room.
QList<ChannelEdit> moveBlockEdits(const ChannelTables &tables, int first, int last, int before);

// Rows first..last moved into the other group, after its last channel in use; the rows
// below them in their own group move up. `fits` is false (and there are no edits) when
// the other group has too few channels left after its last one in use.
struct GroupMovePlan {
    bool fits = true;
    int placedAt = 0; // the channel the first row moves to
    QList<ChannelEdit> edits;
};
GroupMovePlan moveToOtherGroupEdits(const ChannelTables &tables, int first, int last);

// Where channel n (in use) matches what the user looks for: the grid column of the
// start of its receive or transmit frequency ("145.5"), of a part of its name, or of the
// start of a tone ("88.5", "D023"); letters in either case. 0 when it does not match; an
// empty text matches nothing.
int matchingColumn(const ChannelTables &tables, int n, const QString &text);
// The next channel after `from` (backward: before it) that matches, going round both
// groups; `from` itself comes last. 0 when none matches. `from` 0 starts before channel 1.
int findMatch(const ChannelTables &tables, int from, const QString &text, bool backward);

// The channels in use that share their receive frequency and both tones with another
// channel in use, in channel order.
QList<int> duplicateChannels(const ChannelTables &tables);

} // namespace kt913
