// SPDX-License-Identifier: GPL-3.0-or-later
#include "FmGridModel.h"
#include "FormDescriptions.h"
#include "RadioModel.h"

namespace kt913 {

namespace {
QStringList designedHeaders()
{
    const ElementDescription *grid = fmFormDescription().findElement(QStringLiteral("MSFGrid"));
    return grid ? grid->zh : QStringList();
}
} // namespace

FmGridModel::FmGridModel(RadioModel &model, QObject *parent) : LabelledGridModel(designedHeaders(), parent), m_model(model)
{
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

QString FmGridModel::cellText(int row, int column, bool) const
{
    return column == kNumberColumn ? QString::number(row + 1) : m_model.fmGrid()[std::size_t(row)];
}

} // namespace kt913
