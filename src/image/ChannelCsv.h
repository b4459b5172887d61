// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Channels as rows of the generic CSV format that radio programming tools and
// spreadsheets exchange, plus two columns of this radio that the format lacks
// (BusyLock, Scramble; readers of the format ignore columns they do not know).
//
// The same rows serve files (',' separated) and the clipboard ('\t' separated). A row
// read back becomes the channel the channel editor would make from the same entries:
// it goes through the editor's commit rules, so its texts and cells are the ones the
// editor and the decoder show.
#include "BandTable.h"
#include "ChannelTables.h"
#include "Language.h"
#include <QList>
#include <QStringList>
#include <functional>

namespace kt913 {

// The column headers, in the order the format writes them.
QStringList channelCsvColumns();

// One channel as a record of channelCsvColumns(), `channel` its number (1..128).
QStringList channelCsvRecord(int channel, const ChannelRow &row);
// Records joined into text with the separator (',' files, '\t' clipboard), quoted where
// needed, one a line.
QString joinChannelCsv(const QList<QStringList> &records, QChar separator);
// The header and every channel in use, in channel order.
QString channelCsvText(const ChannelTables &tables, QChar separator);

// What a row is read against: the band that accepts its frequencies and the language
// of the texts it makes.
struct ChannelCsvContext {
    BandState band;
    int bandSelection = 0; // the band list index; picks a new channel's bandwidth
    Language lang = Language::Chinese;
};
// The channel a row starts from: for a file, the channel of that number as it is now
// (an empty row for an unused one). Fields the text does not give stay as they are
// there, and a field given with the value it already has is left untouched.
using ChannelCsvBase = std::function<ChannelRow(int channel)>;

struct ChannelCsvLine {
    int line = 0;    // line of the text, 1-based
    int channel = 0; // its Location, 0 when the text gives none
    ChannelRow row;  // the channel the line makes (when there is no problem)
    QString problem; // why the line cannot be taken, in the context's language
    QString nameNote; // how its name was changed to fit the radio, if it was
    bool ok() const { return problem.isEmpty(); }
};
struct ChannelCsvParse {
    QList<ChannelCsvLine> lines; // one per record line, header excluded
    QString problem;             // why the whole text was refused (nothing in `lines`)
    bool ok() const { return problem.isEmpty(); }
};

// Reads text in either separator (detected from the first line). The first line is
// the header when it names a Frequency column; without one, fields are taken in the
// order of channelCsvColumns(). Columns are matched by name in any order; unknown ones
// are ignored. Without `base`, every line starts from an empty channel.
ChannelCsvParse parseChannelCsv(const QString &text, const ChannelCsvContext &context,
                                const ChannelCsvBase &base = {});

} // namespace kt913
