// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The differences between the radio and the editors as a grid: where (the channel, or the
// window and frames), what (the column or control), the value on the radio and the value
// in the editors. The column headers are the caption tables' texts.
#include "LabelledGridModel.h"
#include "ModelDiff.h"

namespace kt913 {

class DifferenceTableModel : public LabelledGridModel {
    Q_OBJECT
public:
    enum Column { Where, Field, OnRadio, InEditor, ColumnCount };

    explicit DifferenceTableModel(QObject *parent = nullptr);

    void setDifferences(const QList<ModelDifference> &differences, Language lang);
    const QList<ModelDifference> &differences() const { return m_differences; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

protected:
    QString cellText(int row, int column, bool edit) const override;

private:
    QList<ModelDifference> m_differences;
    Language m_language = Language::Chinese;
};

} // namespace kt913
