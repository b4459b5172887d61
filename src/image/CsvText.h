// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small reader and writer of delimited text (comma-separated files, tab-separated
// clipboard text): quoting, comment lines and the limits that keep a hostile or
// mistaken file from taking the program's memory.
#include "Language.h"
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace kt913::csv {

// A channel list is a few dozen kilobytes; anything far beyond is not one.
constexpr qsizetype kMaxTextBytes = 1 << 20;
constexpr int kMaxLineLength = 4096;
constexpr int kMaxRecords = 2000;

// A field quoted when it holds the separator, a quote, a line break or outer blanks.
QString quoteField(const QString &field, QChar separator);
// Records joined with the separator, one a line; lines end with CR LF for commas (what
// spreadsheets write) and LF for tabs (the clipboard).
QString joinRecords(const QList<QStringList> &records, QChar separator);

struct Record {
    int line = 0; // where the record starts, 1-based
    QStringList fields;
};
struct ReadResult {
    QList<Record> records;
    QString problem;      // why the whole text was refused; empty when it was read
    int problemLine = 0;  // where, when it is a line's fault
    bool ok() const { return problem.isEmpty(); }
};

// The separator of a text: a tab when its first record line holds one, else a comma.
QChar detectSeparator(const QString &text);
// Splits text into records. Blank lines and lines starting with '#' are skipped; a
// leading byte-order mark and CR LF line ends are taken. An unterminated quote, an
// overlong line or too many records refuse the whole text.
ReadResult readRecords(const QString &text, QChar separator, Language lang);
// File contents as text: UTF-8 (a byte-order mark is dropped). Binary data, invalid
// UTF-8 and oversize contents are refused with the reason in `problem`.
QString textFromBytes(const QByteArray &bytes, QString &problem, Language lang);

} // namespace kt913::csv
