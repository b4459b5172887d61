// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelGridModel.h"
#include "FormDescriptions.h"
#include "OutOfBand.h"
#include "RadioModel.h"

namespace kt913 {

ChannelGridModel::ChannelGridModel(ChannelTables &tables, int group, QObject *parent)
    : LabelledGridModel(channelGridHeaders(Language::Chinese), parent), m_tables(tables), m_group(group == 2 ? 2 : 1)
{
    connect(&m_tables, &ChannelTables::channelChanged, this, &ChannelGridModel::channelChanged);
    connect(&m_tables, &ChannelTables::tablesReset, this, [this] {
        emit dataChanged(index(0, 0), index(rowCount() - 1, col::Count - 1));
    });
}

ChannelGridModel::ChannelGridModel(RadioModel &radio, int group, QObject *parent)
    : ChannelGridModel(radio.channels(), group, parent)
{
    m_radio = &radio;
    // A new band can put channels outside it (or back inside) without any channel changing.
    connect(&radio, &RadioModel::bandSelectionChanged, this, [this] {
        emit dataChanged(index(0, col::Rx), index(rowCount() - 1, col::Tx));
    });
}

bool ChannelGridModel::outsideBand(const QModelIndex &index) const
{
    if (!m_radio || (index.column() != col::Rx && index.column() != col::Tx))
        return false;
    const int n = channelAt(index.row());
    return m_tables.isUsed(n) && frequencyOutsideBand(m_tables.freqTexts()[index.column() - col::Rx][n - 1], m_radio->band());
}

QVariant ChannelGridModel::data(const QModelIndex &index, int role) const
{
    switch (role) {
    case Qt::BackgroundRole:
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        if (!index.isValid() || !outsideBand(index))
            return QVariant();
        if (role == Qt::BackgroundRole)
            return QString::fromLatin1(outsideBandColour());
        return outsideBandNote(m_radio->language());
    default:
        return LabelledGridModel::data(index, role);
    }
}

int ChannelGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : map::kGroupSize;
}

int ChannelGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : col::Count;
}

QString ChannelGridModel::displayText(const QString &cell)
{
    QString shown = cell;
    for (QChar &c : shown)
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
            c = QLatin1Char(' ');
    return shown;
}

QString ChannelGridModel::cellText(int row, int column, bool edit) const
{
    const QString &cell = m_tables.cell(channelAt(row), column);
    return edit ? cell : displayText(cell);
}

void ChannelGridModel::channelChanged(int n)
{
    const int row = rowOf(n);
    if (row >= 0 && row < map::kGroupSize)
        emit dataChanged(index(row, 0), index(row, col::Count - 1));
}

} // namespace kt913
