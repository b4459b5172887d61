// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelTables.h"
#include "FormDescriptions.h"
#include "ToneList.h"

namespace kt913 {

QString channelNameText(const QString &stored)
{
    const qsizetype nul = stored.indexOf(QChar(0));
    return nul < 0 ? stored : stored.left(nul);
}

ChannelRow ChannelRow::cleared() const
{
    ChannelRow r;
    r.cells[col::Label] = cells[col::Label];
    return r;
}

ChannelTables::ChannelTables(QObject *parent) : QObject(parent)
{
    m_empty.set();
    for (int n = 1; n <= map::kChannelCount; ++n) {
        const bool groupA = n <= map::kGroupSize;
        m_cells[n - 1][col::Label] = QStringLiteral("%1%2").arg(groupA ? QLatin1Char('A') : QLatin1Char('B'))
                                         .arg(groupA ? n : n - map::kGroupSize);
    }
}

void ChannelTables::touched(int n)
{
    if (m_batchDepth > 0)
        m_batchChanged = true;
    else
        emit channelChanged(n);
}

void ChannelTables::endBatch()
{
    if (--m_batchDepth > 0 || !m_batchChanged)
        return;
    m_batchChanged = false;
    emit tablesReset();
}

ChannelRow ChannelTables::row(int n) const
{
    ChannelRow r;
    const int i = n - 1;
    r.freq = {m_freqText[0][i], m_freqText[1][i]};
    for (int k = 0; k < 8; ++k) {
        r.optionIndex[k] = m_optionIndex[k][i];
        r.optionText[k] = m_optionText[k][i];
    }
    r.name = m_channelName[i];
    r.cells = m_cells[i];
    return r;
}

bool ChannelTables::holds(int i, const ChannelRow &r) const
{
    if (m_freqText[0][i] != r.freq[0] || m_freqText[1][i] != r.freq[1] || m_channelName[i] != r.name)
        return false;
    for (int k = 0; k < 8; ++k)
        if (m_optionIndex[k][i] != r.optionIndex[k] || m_optionText[k][i] != r.optionText[k])
            return false;
    for (int c = col::Rx; c < col::Count; ++c) // the label column is the row's own
        if (m_cells[i][c] != r.cells[c])
            return false;
    return true;
}

void ChannelTables::setRow(int n, const ChannelRow &r)
{
    if (n < 1 || n > map::kChannelCount)
        return;
    const int i = n - 1;
    if (holds(i, r))
        return;
    m_empty.reset(i);
    m_freqText[0][i] = r.freq[0];
    m_freqText[1][i] = r.freq[1];
    for (int k = 0; k < 8; ++k) {
        m_optionIndex[k][i] = r.optionIndex[k];
        m_optionText[k][i] = r.optionText[k];
    }
    m_channelName[i] = r.name;
    for (int c = col::Rx; c < col::Count; ++c)
        m_cells[i][c] = r.cells[c];
    touched(n);
}

void ChannelTables::setFreqText(int n, int k, const QString &text)
{
    if (n < 1 || n > map::kChannelCount || k < 0 || k > 1 || m_freqText[k][n - 1] == text)
        return;
    m_freqText[k][n - 1] = text;
    m_empty.reset(n - 1);
    touched(n);
}

void ChannelTables::setOption(int n, int slot, qint16 index, const QString &text)
{
    if (n < 1 || n > map::kChannelCount || slot < 0 || slot > 7)
        return;
    const int i = n - 1;
    if (m_optionIndex[slot][i] == index && m_optionText[slot][i] == text)
        return;
    m_optionIndex[slot][i] = index;
    m_optionText[slot][i] = text;
    m_empty.reset(i);
    touched(n);
}

void ChannelTables::setName(int n, const QString &name)
{
    if (n < 1 || n > map::kChannelCount || m_channelName[n - 1] == name)
        return;
    m_channelName[n - 1] = name;
    m_empty.reset(n - 1);
    touched(n);
}

void ChannelTables::setCell(int n, int column, const QString &text)
{
    if (n < 1 || n > map::kChannelCount || column < col::Rx || column > col::Name || m_cells[n - 1][column] == text)
        return;
    m_cells[n - 1][column] = text;
    m_empty.reset(n - 1);
    touched(n);
}

void ChannelTables::ClearNO(int n)
{
    if (n < 1 || n > map::kChannelCount || m_empty.test(n - 1))
        return;
    // In place: decoding clears every unused channel twice, most of them already empty.
    const int i = n - 1;
    m_empty.set(i);
    bool changed = false;
    auto clear = [&changed](QString &text) {
        if (!text.isEmpty()) {
            text.clear();
            changed = true;
        }
    };
    for (int c = col::Rx; c <= col::Name; ++c)
        clear(m_cells[i][c]);
    for (int k = 0; k < 8; ++k) {
        if (m_optionIndex[k][i] != 0) {
            m_optionIndex[k][i] = 0;
            changed = true;
        }
        clear(m_optionText[k][i]);
    }
    clear(m_channelName[i]);
    clear(m_freqText[0][i]);
    clear(m_freqText[1][i]);
    if (changed)
        touched(n);
}

void ChannelTables::ClearGrid()
{
    const Batch batch(*this);
    for (int n = 1; n <= map::kChannelCount; ++n)
        ClearNO(n);
}

void ChannelTables::RefreshChannelTexts(Language lang)
{
    const Batch batch(*this);
    for (int n = 1; n <= map::kChannelCount; ++n) {
        ChannelRow r = row(n);
        if (!r.isUsed()) {
            ClearNO(n);
            continue;
        }
        r.cells[col::Rx] = r.freq[0];
        r.cells[col::Tx] = r.freq[1];
        for (int c : {col::RxTone, col::TxTone})
            if (r.optionIndex[optionSlot(c)] == 0)
                r.cells[c] = offText(lang);
        for (int c = col::Power; c <= col::Scramble; ++c)
            r.cells[c] = channelOptionText(c, r.optionIndex[optionSlot(c)], lang);
        r.cells[col::Name] = channelNameText(r.name);
        setRow(n, r);
    }
}

} // namespace kt913
