#include "ChannelGridModel.h"
#include "FormDescriptions.h"

namespace kt913 {

ChannelGridModel::ChannelGridModel(ChannelTables &tables, int group, QObject *parent)
    : LabelledGridModel(channelGridHeaders(Language::Chinese), parent), m_tables(tables), m_group(group == 2 ? 2 : 1)
{
    connect(&m_tables, &ChannelTables::channelChanged, this, &ChannelGridModel::channelChanged);
    connect(&m_tables, &ChannelTables::tablesReset, this, [this] {
        emit dataChanged(index(0, 0), index(rowCount() - 1, col::Count - 1));
    });
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
