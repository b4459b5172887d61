// SPDX-License-Identifier: GPL-3.0-or-later
#include "LabelledGridModel.h"

namespace kt913 {

LabelledGridModel::LabelledGridModel(QStringList headers, QObject *parent)
    : QAbstractTableModel(parent), m_headers(std::move(headers))
{
}

QVariant LabelledGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cellText(index.row(), index.column(), role == Qt::EditRole);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return QVariant();
    }
}

Qt::ItemFlags LabelledGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // The label column is fixed, like a header: it can be seen but not chosen.
    if (index.column() == 0)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QVariant LabelledGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    // The rows are labelled by column 0. The views draw that column and hide their row
    // headers; a screen reader asks the row header for the label it reads before a cell.
    if (orientation == Qt::Vertical)
        return section >= 0 && section < rowCount() ? QVariant(cellText(section, 0, false)) : QVariant();
    return section >= 0 && section < m_headers.size() ? m_headers[section] : QVariant();
}

bool LabelledGridModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role)
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
