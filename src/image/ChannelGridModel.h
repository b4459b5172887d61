// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One channel grid (group A or B) as a Qt table model over the channel tables: 64 rows,
// 12 columns, column 0 the fixed row label. The model holds no cell of its own; it reads
// the tables and passes their announcements on as dataChanged.
#include "ChannelTables.h"
#include "LabelledGridModel.h"

namespace kt913 {

class RadioModel;

class ChannelGridModel : public LabelledGridModel {
    Q_OBJECT
public:
    // group 1 shows channels 1..64, group 2 channels 65..128.
    ChannelGridModel(ChannelTables &tables, int group, QObject *parent = nullptr);
    // Over the radio's channels, marking each frequency its selected band does not
    // accept: a background colour, a tooltip and a description for screen readers, in
    // the language in force.
    ChannelGridModel(RadioModel &radio, int group, QObject *parent = nullptr);

    int group() const { return m_group; }
    // Channel number of a model row (0..63) and back.
    int channelAt(int row) const { return channelNumber(m_group, row + 1); }
    int rowOf(int channel) const { return channel - channelNumber(m_group, 1); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // The background of a marked cell, as a colour name: the core has no colour type.
    static const char *outsideBandColour() { return "#FFB8B8"; }

    // Text a cell shows: the table's text with control characters blanked, so that odd
    // bytes of a name read from a file never show as stray glyphs. The tables keep the
    // bytes as they are.
    static QString displayText(const QString &cell);

protected:
    QString cellText(int row, int column, bool edit) const override;

private:
    void channelChanged(int n);
    bool outsideBand(const QModelIndex &index) const;

    ChannelTables &m_tables;
    const RadioModel *m_radio = nullptr;
    int m_group;
};

} // namespace kt913
