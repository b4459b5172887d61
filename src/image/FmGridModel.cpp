#include "FmGridModel.h"
#include "FormDescriptions.h"
#include "RadioModel.h"

namespace kt913 {

FmGridModel::FmGridModel(RadioModel &model, QObject *parent) : QAbstractTableModel(parent), m_model(model)
{
    if (const ElementDescription *grid = fmFormDescription().findElement(QStringLiteral("MSFGrid")))
        m_headers = grid->zh;
    connect(&m_model, &RadioModel::fmGridCellChanged, this, [this](int k) {
        const QModelIndex cell = index(k - 1, kFrequencyColumn);
        emit dataChanged(cell, cell);
    });
    connect(&m_model, &RadioModel::fmChanged, this, [this] {
        emit dataChanged(index(0, kFrequencyColumn), index(rowCount() - 1, kFrequencyColumn));
    });
}

int FmGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : map::kFmChannelCount;
}

int FmGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant FmGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= map::kFmChannelCount || index.column() > kFrequencyColumn)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return index.column() == kNumberColumn ? QString::number(index.row() + 1) : m_model.fmGrid[index.row()];
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return QVariant();
    }
}

Qt::ItemFlags FmGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // The channel number is fixed, like a header: it can be seen but not chosen.
    if (index.column() == kNumberColumn)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QVariant FmGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < m_headers.size() ? m_headers[section] : QVariant();
    return QVariant();
}

bool FmGridModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role)
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

} // namespace kt913
