// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelRowPaste.h"

namespace kt913 {

QString copiedRowsText(const ChannelTables &tables, const QList<int> &channels)
{
    QList<QStringList> records{channelCsvColumns()};
    for (int n : channels)
        if (n >= 1 && n <= map::kChannelCount && tables.isUsed(n))
            records << channelCsvRecord(n, tables.row(n));
    return records.size() > 1 ? joinChannelCsv(records, QLatin1Char('\t')) : QString();
}

RowPaste planRowPaste(const QString &text, const RadioModel &model, int n)
{
    RowPaste paste;
    // Each row starts from an empty channel: a paste gives whole rows, it does not mix
    // them into what the channels held.
    const ChannelCsvParse parse = parseChannelCsv(text, {model.band(), model.bandSelection(), model.language()});
    if (!parse.ok()) {
        paste.problem = parse.problem;
        return paste;
    }
    paste.rows = int(parse.lines.size());
    QList<ChannelRow> rows;
    for (int k = 0; k < paste.rows; ++k) {
        const ChannelCsvLine &line = parse.lines[k];
        if (line.ok()) {
            rows << line.row;
        } else {
            paste.refused << CsvRefusal{line.line, line.problem};
            const int to = n + k;
            rows << (to >= 1 && to <= map::kChannelCount ? model.channels().row(to) : ChannelRow());
        }
    }
    paste.plan = pasteRowEdits(model.channels(), n, rows);
    return paste;
}

} // namespace kt913
