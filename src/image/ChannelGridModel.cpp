#include "ChannelGridModel.h"
#include "FormDescriptions.h"

namespace kt913 {

ChannelGridModel::ChannelGridModel(ChannelTables &tables, int group, QObject *parent)
    : QAbstractTableModel(parent), m_tables(tables), m_group(group == 2 ? 2 : 1),
      m_headers(channelGridHeaders(Language::Chinese))
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

QVariant ChannelGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= map::kGroupSize || index.column() >= col::Count)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return displayText(m_tables.cell(channelAt(index.row()), index.column()));
    case Qt::EditRole:
        return m_tables.cell(channelAt(index.row()), index.column());
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return QVariant();
    }
}

Qt::ItemFlags ChannelGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // The row label is fixed, like a header: it can be seen but not chosen.
    if (index.column() == col::Label)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QVariant ChannelGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < m_headers.size() ? m_headers[section] : QVariant();
    return section >= 0 && section < map::kGroupSize ? m_tables.cell(channelAt(section), col::Label) : QVariant();
}

bool ChannelGridModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role)
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_headers.size() ||
        (role != Qt::EditRole && role != Qt::DisplayRole))
        return false;
    if (m_headers[section] != value.toString()) {
        m_headers[section] = value.toString();
        emit headerDataChanged(Qt::Horizontal, section, section);
    }
    return true;
}

void ChannelGridModel::channelChanged(int n)
{
    const int row = rowOf(n);
    if (row >= 0 && row < map::kGroupSize)
        emit dataChanged(index(row, 0), index(row, col::Count - 1));
}

} // namespace kt913
