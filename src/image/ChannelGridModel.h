#pragma once
// One channel grid (group A or B) as a Qt table model over the channel tables: 64 rows,
// 12 columns, column 0 the fixed row label. The model holds no cell of its own; it reads
// the tables and passes their announcements on as dataChanged.
#include "ChannelTables.h"
#include "LabelledGridModel.h"

namespace kt913 {

class ChannelGridModel : public LabelledGridModel {
    Q_OBJECT
public:
    // group 1 shows channels 1..64, group 2 channels 65..128.
    ChannelGridModel(ChannelTables &tables, int group, QObject *parent = nullptr);

    int group() const { return m_group; }
    // Channel number of a model row (0..63) and back.
    int channelAt(int row) const { return channelNumber(m_group, row + 1); }
    int rowOf(int channel) const { return channel - channelNumber(m_group, 1); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;

    // Text a cell shows: the table's text with control characters blanked, so that odd
    // bytes of a name read from a file never show as stray glyphs. The tables keep the
    // bytes as they are.
    static QString displayText(const QString &cell);

protected:
    QString cellText(int row, int column, bool edit) const override;

private:
    void channelChanged(int n);

    ChannelTables &m_tables;
    int m_group;
};

} // namespace kt913
