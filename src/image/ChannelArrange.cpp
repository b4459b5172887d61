// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelArrange.h"
#include "ChannelRowOps.h"
#include "ToneList.h"
#include <algorithm>
#include <map>
#include <tuple>

namespace kt913 {

namespace {

bool valid(int n)
{
    return n >= 1 && n <= map::kChannelCount;
}

int groupOf(int n)
{
    return n > map::kGroupSize ? 2 : 1;
}

// Channel targets[k] takes the row of sources[k]; only the channels that change.
QList<ChannelEdit> placeRows(const ChannelTables &t, const QList<int> &targets, const QList<ChannelRow> &rows)
{
    QList<ChannelEdit> edits;
    for (qsizetype k = 0; k < targets.size(); ++k) {
        const ChannelEdit e{targets[k], t.row(targets[k]), rowMovedTo(t, rows[k], targets[k])};
        if (e.changes())
            edits << e;
    }
    return edits;
}

QList<ChannelRow> rowsOf(const ChannelTables &t, const QList<int> &channels)
{
    QList<ChannelRow> rows;
    for (int n : channels)
        rows << t.row(n);
    return rows;
}

QList<int> range(int first, int last)
{
    QList<int> channels;
    for (int n = first; n <= last; ++n)
        channels << n;
    return channels;
}

double frequency(const QString &text)
{
    bool ok = false;
    const double f = text.toDouble(&ok);
    return ok ? f : 0.0;
}

// A tone's place in the tone list: off first, then CTCSS, DCS normal and inverted, as the
// list runs; a tone the list does not hold (read from a radio) after them all.
int toneRank(const ChannelRow &row, int slot)
{
    if (row.optionIndex[slot] == 0)
        return 0;
    const int i = toneList(Language::English).indexOf(row.optionText[slot]);
    return i > 0 ? i : kToneCount;
}

QString toneText(const ChannelRow &row, int slot)
{
    return row.optionIndex[slot] == 0 ? QString() : row.optionText[slot];
}

// -1, 0 or 1 as a comes before, with or after b by `key`.
int compareRows(const ChannelRow &a, const ChannelRow &b, SortKey key)
{
    const auto order = [](const auto &x, const auto &y) { return x < y ? -1 : (y < x ? 1 : 0); };
    switch (key) {
    case SortKey::RxFrequency:
        return order(frequency(a.freq[0]), frequency(b.freq[0]));
    case SortKey::TxFrequency:
        return order(frequency(a.freq[1]), frequency(b.freq[1]));
    case SortKey::Name:
        return order(channelNameText(a.name).toUpper(), channelNameText(b.name).toUpper());
    case SortKey::Tone: {
        const int rx = order(toneRank(a, 0), toneRank(b, 0));
        if (rx != 0)
            return rx;
        const int tx = order(toneRank(a, 1), toneRank(b, 1));
        if (tx != 0)
            return tx;
        // Two tones the list does not hold: by their texts.
        return order(std::make_pair(toneText(a, 0), toneText(a, 1)), std::make_pair(toneText(b, 0), toneText(b, 1)));
    }
    }
    return 0;
}

} // namespace

QList<ChannelEdit> sortRowEdits(const ChannelTables &tables, QList<int> channels, SortKey key, bool descending)
{
    std::sort(channels.begin(), channels.end());
    channels.erase(std::unique(channels.begin(), channels.end()), channels.end());
    channels.removeIf([](int n) { return !valid(n); });
    QList<ChannelRow> used, unused;
    for (int n : channels)
        (tables.isUsed(n) ? used : unused) << tables.row(n);
    std::stable_sort(used.begin(), used.end(), [key, descending](const ChannelRow &a, const ChannelRow &b) {
        const int c = compareRows(a, b, key);
        return descending ? c > 0 : c < 0;
    });
    return placeRows(tables, channels, used + unused);
}

QList<ChannelEdit> compactGroupEdits(const ChannelTables &tables, int group)
{
    const int first = channelNumber(group == 2 ? 2 : 1, 1);
    const QList<int> channels = range(first, first + map::kGroupSize - 1);
    QList<ChannelRow> used, unused;
    for (int n : channels)
        (tables.isUsed(n) ? used : unused) << tables.row(n);
    return placeRows(tables, channels, used + unused);
}

QList<ChannelEdit> moveBlockEdits(const ChannelTables &tables, int first, int last, int before)
{
    if (!valid(first) || !valid(last) || first > last || groupOf(first) != groupOf(last))
        return {};
    const int groupFirst = groupFirstChannel(first), groupLast = groupLastChannel(first);
    if (before < groupFirst || before > groupLast + 1 || (before >= first && before <= last + 1))
        return {};
    // The group's rows without the block, and the block put back where `before` stands.
    QList<int> order;
    for (int n = groupFirst; n <= groupLast; ++n) {
        if (n == before)
            order << range(first, last);
        if (n < first || n > last)
            order << n;
    }
    if (before == groupLast + 1)
        order << range(first, last);
    return placeRows(tables, range(groupFirst, groupLast), rowsOf(tables, order));
}

GroupMovePlan moveToOtherGroupEdits(const ChannelTables &tables, int first, int last)
{
    GroupMovePlan plan;
    if (!valid(first) || !valid(last) || first > last || groupOf(first) != groupOf(last)) {
        plan.fits = false;
        return plan;
    }
    const int count = last - first + 1;
    const int otherFirst = groupOf(first) == 1 ? map::kGroupSize + 1 : 1;
    const int otherLast = otherFirst + map::kGroupSize - 1;
    int lastUsed = otherFirst - 1;
    for (int n = otherFirst; n <= otherLast; ++n)
        if (tables.isUsed(n))
            lastUsed = n;
    if (lastUsed + count > otherLast) {
        plan.fits = false;
        return plan;
    }
    plan.placedAt = lastUsed + 1;
    // Into the other group's empty rows after its last channel in use...
    plan.edits = placeRows(tables, range(plan.placedAt, plan.placedAt + count - 1), rowsOf(tables, range(first, last)));
    // ...and the own group closes up behind them, emptied rows at its end.
    const int groupLast = groupLastChannel(first);
    QList<ChannelRow> rest = rowsOf(tables, range(last + 1, groupLast));
    for (int n = groupLast - count + 1; n <= groupLast; ++n)
        rest << tables.row(n).cleared();
    plan.edits += placeRows(tables, range(first, groupLast), rest);
    return plan;
}

int matchingColumn(const ChannelTables &tables, int n, const QString &text)
{
    const QString wanted = text.trimmed();
    if (!valid(n) || !tables.isUsed(n) || wanted.isEmpty())
        return 0;
    const ChannelRow row = tables.row(n);
    for (int k : {0, 1})
        if (row.freq[k].startsWith(wanted))
            return col::Rx + k;
    if (channelNameText(row.name).contains(wanted, Qt::CaseInsensitive))
        return col::Name;
    for (int slot : {0, 1})
        if (row.optionIndex[slot] != 0 && row.optionText[slot].startsWith(wanted, Qt::CaseInsensitive))
            return col::RxTone + slot;
    return 0;
}

int findMatch(const ChannelTables &tables, int from, const QString &text, bool backward)
{
    const int count = map::kChannelCount;
    if (!valid(from))
        from = backward ? count + 1 : 0;
    for (int k = 1; k <= count; ++k) {
        // Round both groups: after 128 comes 1, before 1 comes 128.
        const int n = ((from - 1 + (backward ? -k : k)) % count + count) % count + 1;
        if (matchingColumn(tables, n, text) != 0)
            return n;
    }
    return 0;
}

QList<int> duplicateChannels(const ChannelTables &tables)
{
    using Key = std::tuple<double, QString, QString>;
    std::map<Key, QList<int>> byKey;
    for (int n = 1; n <= map::kChannelCount; ++n) {
        if (!tables.isUsed(n))
            continue;
        const ChannelRow row = tables.row(n);
        byKey[Key{frequency(row.freq[0]), toneText(row, 0), toneText(row, 1)}] << n;
    }
    QList<int> found;
    for (const auto &entry : byKey)
        if (entry.second.size() > 1)
            found += entry.second;
    std::sort(found.begin(), found.end());
    return found;
}

} // namespace kt913
