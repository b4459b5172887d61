// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelRowOps.h"

namespace kt913 {

namespace {

bool valid(int n)
{
    return n >= 1 && n <= map::kChannelCount;
}

// Channel `to` takes `row`; recorded only when it changes something.
void put(QList<ChannelEdit> &edits, const ChannelTables &t, int to, const ChannelRow &row)
{
    const ChannelEdit e{to, t.row(to), rowMovedTo(t, row, to)};
    if (e.changes())
        edits << e;
}

} // namespace

int groupFirstChannel(int n)
{
    return n > map::kGroupSize ? map::kGroupSize + 1 : 1;
}

int groupLastChannel(int n)
{
    return groupFirstChannel(n) + map::kGroupSize - 1;
}

ChannelRow rowMovedTo(const ChannelTables &tables, const ChannelRow &row, int to)
{
    ChannelRow moved = row;
    moved.cells[col::Label] = tables.cell(to, col::Label);
    return moved;
}

bool insertPushesOutUsed(const ChannelTables &tables, int n)
{
    return valid(n) && tables.isUsed(groupLastChannel(n));
}

QList<ChannelEdit> insertRowEdits(const ChannelTables &tables, int n)
{
    QList<ChannelEdit> edits;
    if (!valid(n))
        return edits;
    for (int to = groupLastChannel(n); to > n; --to)
        put(edits, tables, to, tables.row(to - 1));
    put(edits, tables, n, tables.row(n).cleared());
    return edits;
}

QList<ChannelEdit> deleteRowEdits(const ChannelTables &tables, int n)
{
    QList<ChannelEdit> edits;
    if (!valid(n))
        return edits;
    const int last = groupLastChannel(n);
    for (int to = n; to < last; ++to)
        put(edits, tables, to, tables.row(to + 1));
    put(edits, tables, last, tables.row(last).cleared());
    return edits;
}

QList<ChannelEdit> moveRowEdits(const ChannelTables &tables, int n, int step)
{
    QList<ChannelEdit> edits;
    const int other = n + step;
    if (!valid(n) || (step != 1 && step != -1) || other < groupFirstChannel(n) || other > groupLastChannel(n))
        return edits;
    const ChannelRow here = tables.row(n), there = tables.row(other);
    put(edits, tables, n, there);
    put(edits, tables, other, here);
    return edits;
}

PastePlan pasteRowEdits(const ChannelTables &tables, int n, const QList<ChannelRow> &rows)
{
    PastePlan plan;
    if (!valid(n) || n + rows.size() - 1 > groupLastChannel(n)) {
        plan.fits = false;
        return plan;
    }
    for (int k = 0; k < rows.size(); ++k) {
        const int to = n + k;
        const qsizetype before = plan.edits.size();
        put(plan.edits, tables, to, rows[k]);
        if (plan.edits.size() > before && tables.isUsed(to))
            plan.overwritten << to;
    }
    return plan;
}

} // namespace kt913
