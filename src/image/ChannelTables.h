#pragma once
// The channel tables between the memory image and the channel editor, and the texts
// of the two channel grids (group A rows 1..64, group B rows 1..64).
#include "Language.h"
#include "MemoryMap.h"
#include <QString>
#include <array>

namespace kt913 {

namespace col { // channel grid columns
constexpr int Label = 0, Rx = 1, Tx = 2, RxTone = 3, TxTone = 4, Power = 5, BusyLock = 6, ScanAdd = 7,
              Bandwidth = 8, Hidden = 9, Scramble = 10, Name = 11, Count = 12;
}

struct ChannelTables {
    using PerChannelText = std::array<QString, map::kChannelCount>;
    std::array<PerChannelText, 2> FreqText;                                    // [0] RX, [1] TX
    std::array<std::array<qint16, map::kChannelCount>, 8> OptionIndex{};       // grid columns 3..10
    std::array<PerChannelText, 8> OptionText;                                  // grid columns 3..10
    PerChannelText ChannelName;
    // What the channel grids show: channel n (1..128), columns 0..11. Column 0 is the
    // fixed row label ("A1".."A64", "B1".."B64").
    std::array<std::array<QString, col::Count>, map::kChannelCount> Cells;

    ChannelTables();

    QString &cell(int n, int column) { return Cells[n - 1][column]; }
    const QString &cell(int n, int column) const { return Cells[n - 1][column]; }
    bool isUsed(int n) const { return !FreqText[0][n - 1].isEmpty(); }

    void ClearNO(int n);  // empties grid cells 1..11 and every table entry of channel n
    void ClearGrid();     // ClearNO for every channel
    // Re-texts the grid cells from the tables for the language in force.
    void RefreshChannelTexts(Language lang);
};

// Channel number of a grid row: group 1 (A) or 2 (B), row 1..64.
inline int channelNumber(int group, int row) { return row + (group - 1) * map::kGroupSize; }

} // namespace kt913
