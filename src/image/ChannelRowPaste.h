// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Channel rows to and from the clipboard as tab-separated text in the common CSV
// columns, so that they go to a spreadsheet and back.
#include "ChannelCsvImport.h"
#include "ChannelRowOps.h"
#include "RadioModel.h"

namespace kt913 {

// The header line and one record per channel in use among `channels`, in their order.
// An unused channel has no record: the format knows no channel without a frequency.
QString copiedRowsText(const ChannelTables &tables, const QList<int> &channels);

// Text pasted at channel n: its k-th row goes into channel n + k, whatever Location it
// names (with or without the header line). Each row is taken whole, through the
// channel editor's own rules, or not at all; a row that cannot be taken leaves its
// channel as it is and is listed in `refused`.
struct RowPaste {
    QString problem;         // the text as a whole cannot be read
    int rows = 0;            // channel rows in the text, taken or refused
    PastePlan plan;          // refused (fits false) when the rows run past the group's end
    QList<CsvRefusal> refused;
};
RowPaste planRowPaste(const QString &text, const RadioModel &model, int n);

} // namespace kt913
