// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Editing the channel list by whole rows: insert, delete, move and paste within one band
// group. Each operation is worked out against the tables as they stand and returned as
// the channel edits it makes (only the channels that change), so that the editor can
// apply them as one undoable step; nothing here touches the tables.
//
// Channel numbers stay with the rows: what moves is a channel's contents. A group's 64
// rows are a closed list; nothing ever spills from group A into group B or back.
#include "ChannelTables.h"
#include <QList>

namespace kt913 {

// First and last channel of the group that holds channel n (1..64 or 65..128).
int groupFirstChannel(int n);
int groupLastChannel(int n);

// `row` as it would stand in channel `to`: the contents move, the row label stays.
ChannelRow rowMovedTo(const ChannelTables &tables, const ChannelRow &row, int to);

// Insert an empty row at channel n: n..last-1 shift down by one, n becomes empty. The
// group's last channel is pushed out, so the caller refuses when it is in use
// (insertPushesOutUsed) rather than lose it.
bool insertPushesOutUsed(const ChannelTables &tables, int n);
QList<ChannelEdit> insertRowEdits(const ChannelTables &tables, int n);

// Delete the row at channel n: n+1..last shift up by one, the last channel becomes empty.
QList<ChannelEdit> deleteRowEdits(const ChannelTables &tables, int n);

// Swap channel n with its neighbour above (step -1) or below (+1). Nothing at the
// group's edge.
QList<ChannelEdit> moveRowEdits(const ChannelTables &tables, int n, int step);

// Rows placed at channel n onward, row k into channel n + k. A paste that would run
// past the group's last channel is refused whole (`fits` false, no edits): the rows
// beyond would otherwise land nowhere, or in the other group, and the user would not
// see it. `overwritten` lists the channels in use whose contents the paste replaces.
struct PastePlan {
    bool fits = true;
    QList<ChannelEdit> edits;
    QList<int> overwritten;
};
PastePlan pasteRowEdits(const ChannelTables &tables, int n, const QList<ChannelRow> &rows);

} // namespace kt913
