// SPDX-License-Identifier: GPL-3.0-or-later
#include "DifferenceTableModel.h"

namespace kt913 {

DifferenceTableModel::DifferenceTableModel(QObject *parent)
    : LabelledGridModel(QStringList(ColumnCount, QString()), parent)
{
}

void DifferenceTableModel::setDifferences(const QList<ModelDifference> &differences, Language lang)
{
    beginResetModel();
    m_differences = differences;
    m_language = lang;
    endResetModel();
}

int DifferenceTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_differences.size());
}

int DifferenceTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DifferenceTableModel::data(const QModelIndex &index, int role) const
{
    // Long paths ("Optional Features / Function Set") read better from the left.
    if (role == Qt::TextAlignmentRole && index.isValid())
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    return LabelledGridModel::data(index, role);
}

QString DifferenceTableModel::cellText(int row, int column, bool) const
{
    if (row < 0 || row >= m_differences.size())
        return QString();
    const ModelDifference &d = m_differences[row];
    // An empty value would leave a blank cell, which reads as a cell not filled in.
    const auto shown = [this](const QString &v) { return v.isEmpty() ? textIn(m_language, "（空）", KT913_TR("FrmCompare", "(empty)")) : v; };
    switch (column) {
    case Where: return d.where;
    case Field: return d.field;
    case OnRadio: return shown(d.before);
    case InEditor: return shown(d.after);
    default: return QString();
    }
}

} // namespace kt913
