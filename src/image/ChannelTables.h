// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel tables between the memory image and the channel editor, and the texts
// of the two channel grids (group A rows 1..64, group B rows 1..64).
//
// Every change goes through the operations below, whoever makes it (the decoder, an
// edit in a grid cell, New, a band change, the language refresh), and each is
// announced: channelChanged(n) for one channel, tablesReset() once for a batch. The
// tables are read through the const views; they cannot be written from outside.
#include "Language.h"
#include "MemoryMap.h"
#include <QObject>
#include <QString>
#include <array>
#include <bitset>

namespace kt913 {

namespace col { // channel grid columns
constexpr int Label = 0, Rx = 1, Tx = 2, RxTone = 3, TxTone = 4, Power = 5, BusyLock = 6, ScanAdd = 7,
              Bandwidth = 8, Hidden = 9, Scramble = 10, Name = 11, Count = 12;
}
// Table slot (0..7) of optionIndexes() and optionTexts() for grid column 3..10.
constexpr int optionSlot(int column) { return column - col::RxTone; }

// Everything one channel holds in the tables and shows in its grid row. An edit is the
// channel's row before and after, so that it can be undone and replayed.
struct ChannelRow {
    std::array<QString, 2> freq;              // FreqText: [0] RX, [1] TX
    std::array<qint16, 8> optionIndex{};      // OptionIndex, grid columns 3..10
    std::array<QString, 8> optionText;        // OptionText, grid columns 3..10
    QString name;                             // ChannelName
    std::array<QString, col::Count> cells;    // grid texts; cells[0] is the row label

    bool operator==(const ChannelRow &o) const
    {
        return freq == o.freq && optionIndex == o.optionIndex && optionText == o.optionText && name == o.name &&
               cells == o.cells;
    }
    bool operator!=(const ChannelRow &o) const { return !(*this == o); }
    bool isUsed() const { return !freq[0].isEmpty(); }
    // The same channel emptied as ClearNO empties it (the row label stays).
    ChannelRow cleared() const;
};

struct ChannelEdit {
    int channel = 0; // 1..128
    ChannelRow before, after;
    bool changes() const { return before != after; }
};

class ChannelTables : public QObject {
    Q_OBJECT
public:
    using PerChannelText = std::array<QString, map::kChannelCount>;

    explicit ChannelTables(QObject *parent = nullptr);

    // Read-only views of the tables, channel n at index n - 1.
    const std::array<PerChannelText, 2> &freqTexts() const { return m_freqText; }    // [0] RX, [1] TX
    const std::array<std::array<qint16, map::kChannelCount>, 8> &optionIndexes() const // columns 3..10
    {
        return m_optionIndex;
    }
    const std::array<PerChannelText, 8> &optionTexts() const { return m_optionText; } // columns 3..10
    const PerChannelText &channelNames() const { return m_channelName; }

    // What the channel grids show: channel n (1..128), columns 0..11. Column 0 is the
    // fixed row label ("A1".."A64", "B1".."B64").
    const std::array<std::array<QString, col::Count>, map::kChannelCount> &cells() const { return m_cells; }
    const QString &cell(int n, int column) const { return m_cells[n - 1][column]; }
    bool isUsed(int n) const { return !m_freqText[0][n - 1].isEmpty(); }

    ChannelRow row(int n) const;
    void setRow(int n, const ChannelRow &row); // the row label is kept
    // Puts an edit's after (or, undoing, its before) into its channel.
    void apply(const ChannelEdit &edit) { setRow(edit.channel, edit.after); }
    void revert(const ChannelEdit &edit) { setRow(edit.channel, edit.before); }

    // Single fields, as the decoder fills them.
    void setFreqText(int n, int k, const QString &text);           // k 0 RX, 1 TX
    void setOption(int n, int slot, qint16 index, const QString &text);
    void setName(int n, const QString &name);
    void setCell(int n, int column, const QString &text);          // columns 1..11

    void ClearNO(int n);  // empties grid cells 1..11 and every table entry of channel n
    void ClearGrid();     // ClearNO for every channel
    // Re-texts the grid cells from the tables for the language in force.
    void RefreshChannelTexts(Language lang);

    // Holds the announcements back while many channels change (decoding, New): one
    // tablesReset() follows when the last batch ends, if anything changed.
    class Batch {
    public:
        explicit Batch(ChannelTables &t) : m_t(t) { ++m_t.m_batchDepth; }
        ~Batch() { m_t.endBatch(); }
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

    private:
        ChannelTables &m_t;
    };

signals:
    void channelChanged(int n);
    void tablesReset();

private:
    void touched(int n);
    void endBatch();
    bool holds(int i, const ChannelRow &row) const; // channel index i holds exactly `row`

    std::array<PerChannelText, 2> m_freqText;
    std::array<std::array<qint16, map::kChannelCount>, 8> m_optionIndex{};
    std::array<PerChannelText, 8> m_optionText;
    PerChannelText m_channelName;
    std::array<std::array<QString, col::Count>, map::kChannelCount> m_cells;
    // Channels known to hold nothing but their row label. Decoding empties every unused
    // channel more than once; a channel already empty then costs one test, not 22.
    // Every setter clears its channel's bit, so a set bit is never wrong.
    std::bitset<map::kChannelCount> m_empty;
    int m_batchDepth = 0;
    bool m_batchChanged = false;
};

// The text of a stored name: what comes before its first zero byte. An unnamed
// channel holds eight zero bytes, and they are no characters of any name; the tables
// keep the bytes so that an untouched name is written back as it was read.
QString channelNameText(const QString &stored);

// Channel number of a grid row: group 1 (A) or 2 (B), row 1..64.
inline int channelNumber(int group, int row) { return row + (group - 1) * map::kGroupSize; }

} // namespace kt913
