// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program's grids have in common: column 0 is a fixed label (seen, never
// chosen), every cell is centred, and the column headers are texts the caption tables
// set for the language in force; the row headers are the labels. A grid model says only
// what its cells hold.
#include <QAbstractTableModel>
#include <QStringList>

namespace kt913 {

class LabelledGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    LabelledGridModel(QStringList headers, QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role = Qt::EditRole) override;

protected:
    // The text of a cell for the role (display, or edit: the text as stored).
    virtual QString cellText(int row, int column, bool edit) const = 0;

private:
    QStringList m_headers;
};

} // namespace kt913
