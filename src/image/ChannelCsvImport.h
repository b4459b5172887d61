// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A channel CSV file read against the channels the program holds: what would change,
// and which rows cannot be taken and why. Nothing changes until the caller applies
// the edits.
#include "ChannelCsv.h"
#include "RadioModel.h"

namespace kt913 {

struct CsvRefusal {
    int line = 0;
    QString reason;
};

struct ChannelCsvImport {
    QString problem;              // the whole file refused (nothing to apply); empty when read
    QList<ChannelEdit> edits;     // one per channel that changes, in channel order
    QList<CsvRefusal> refused;    // rows that cannot be taken, in line order
    QList<CsvRefusal> renamed;    // rows taken whose name was made to fit, with how
    int rowsTaken = 0;            // rows accepted, changing their channel or not
    bool ok() const { return problem.isEmpty(); }
};

// Plans the import of `text` into `model`'s channels, each row starting from the
// channel of its Location. A row without a Location, or for a channel an earlier row
// already gives, is refused; a file none of whose rows can be taken is refused whole.
ChannelCsvImport planChannelCsvImport(const QString &text, const RadioModel &model);
// The same from file contents (UTF-8, a byte-order mark allowed).
ChannelCsvImport planChannelCsvImport(const QByteArray &bytes, const RadioModel &model);

// Refused or renamed rows as lines of text ("line 7: no frequency"), for a report.
QStringList refusalLines(const QList<CsvRefusal> &refused, Language lang);

} // namespace kt913
