#pragma once
// The FM window's channel grid as a Qt table model over the model's FM grid cells: 25
// rows, column 0 the channel number "1".."25", column 1 the cell's frequency text. It
// keeps no cell of its own, so that the grid and what OK stores can never disagree; it
// passes the model's announcements on as dataChanged.
#include <QAbstractTableModel>
#include <QStringList>

namespace kt913 {

class RadioModel;

class FmGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kNumberColumn = 0;
    static constexpr int kFrequencyColumn = 1;

    explicit FmGridModel(RadioModel &model, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // The column headers follow the language; the caption tables set them.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role = Qt::EditRole) override;

private:
    RadioModel &m_model;
    QStringList m_headers;
};

} // namespace kt913
