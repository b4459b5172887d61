// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The FM window's channel grid as a Qt table model over the model's FM grid cells: 25
// rows, column 0 the channel number "1".."25", column 1 the cell's frequency text. It
// keeps no cell of its own, so that the grid and what OK stores can never disagree; it
// passes the model's announcements on as dataChanged.
#include "LabelledGridModel.h"

namespace kt913 {

class RadioModel;

class FmGridModel : public LabelledGridModel {
    Q_OBJECT
public:
    static constexpr int kNumberColumn = 0;
    static constexpr int kFrequencyColumn = 1;

    explicit FmGridModel(RadioModel &model, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;

protected:
    QString cellText(int row, int column, bool edit) const override;

private:
    RadioModel &m_model;
};

} // namespace kt913
