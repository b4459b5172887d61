#include "ChannelTables.h"
#include "FormDescriptions.h"
#include "ToneList.h"

namespace kt913 {

ChannelTables::ChannelTables()
{
    for (int n = 1; n <= map::kChannelCount; ++n) {
        const bool groupA = n <= map::kGroupSize;
        cell(n, col::Label) = QStringLiteral("%1%2").arg(groupA ? QLatin1Char('A') : QLatin1Char('B'))
                                  .arg(groupA ? n : n - map::kGroupSize);
    }
}

void ChannelTables::ClearNO(int n)
{
    if (n < 1 || n > map::kChannelCount)
        return;
    const int i = n - 1;
    for (int c = col::Rx; c <= col::Name; ++c)
        Cells[i][c].clear();
    for (int k = 0; k < 8; ++k) {
        OptionIndex[k][i] = 0;
        OptionText[k][i].clear();
    }
    ChannelName[i].clear();
    FreqText[0][i].clear();
    FreqText[1][i].clear();
}

void ChannelTables::ClearGrid()
{
    for (int n = 1; n <= map::kChannelCount; ++n)
        ClearNO(n);
}

void ChannelTables::RefreshChannelTexts(Language lang)
{
    for (int n = 1; n <= map::kChannelCount; ++n) {
        const int i = n - 1;
        if (FreqText[0][i].isEmpty()) {
            ClearNO(n);
            continue;
        }
        cell(n, col::Rx) = FreqText[0][i];
        cell(n, col::Tx) = FreqText[1][i];
        for (int c : {col::RxTone, col::TxTone})
            if (OptionIndex[c - 3][i] == 0)
                cell(n, c) = offText(lang);
        for (int c = col::Power; c <= col::Scramble; ++c)
            cell(n, c) = channelOptionText(c, OptionIndex[c - 3][i], lang);
        cell(n, col::Name) = ChannelName[i];
    }
}

} // namespace kt913
