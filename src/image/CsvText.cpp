// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvText.h"
#include <QStringDecoder>

namespace kt913::csv {

QString quoteField(const QString &field, QChar separator)
{
    const bool needs = field.contains(separator) || field.contains(QLatin1Char('"')) ||
                       field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r')) ||
                       (!field.isEmpty() && (field.front().isSpace() || field.back().isSpace()));
    if (!needs)
        return field;
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString joinRecords(const QList<QStringList> &records, QChar separator)
{
    const QString end = separator == QLatin1Char('\t') ? QStringLiteral("\n") : QStringLiteral("\r\n");
    QString text;
    for (const QStringList &record : records) {
        QStringList quoted;
        quoted.reserve(record.size());
        for (const QString &f : record)
            quoted << quoteField(f, separator);
        text += quoted.join(separator) + end;
    }
    return text;
}

namespace {

bool isCommentOrBlank(QStringView line)
{
    const QStringView t = line.trimmed();
    return t.isEmpty() || t.startsWith(QLatin1Char('#'));
}

QString tooLong(Language lang)
{
    return textIn(lang, "行太长（超过 %1 个字符）", "line longer than %1 characters").arg(kMaxLineLength);
}

} // namespace

QChar detectSeparator(const QString &text)
{
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        const QStringView line = QStringView(text).mid(start, end - start);
        if (!isCommentOrBlank(line))
            return line.contains(QLatin1Char('\t')) ? QLatin1Char('\t') : QLatin1Char(',');
        start = end + 1;
    }
    return QLatin1Char(',');
}

ReadResult readRecords(const QString &input, QChar separator, Language lang)
{
    ReadResult r;
    QStringView text(input);
    if (text.startsWith(QChar(0xFEFF)))
        text = text.mid(1);
    int line = 1;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        // Comments and blank lines are whole lines outside any quoted field.
        qsizetype eol = text.indexOf(QLatin1Char('\n'), i);
        if (eol < 0)
            eol = n;
        if (eol - i > kMaxLineLength) {
            r.problem = tooLong(lang);
            r.problemLine = line;
            r.records.clear();
            return r;
        }
        if (isCommentOrBlank(text.mid(i, eol - i))) {
            i = eol + 1;
            ++line;
            continue;
        }
        if (r.records.size() >= kMaxRecords) {
            r.problem = textIn(lang, "行数太多（超过 %1 行）", "more than %1 rows").arg(kMaxRecords);
            r.problemLine = line;
            r.records.clear();
            return r;
        }
        Record rec;
        rec.line = line;
        QString field;
        bool quoted = false, wasQuoted = false;
        qsizetype lineStart = i;
        for (;;) {
            if (i >= n) {
                if (quoted) {
                    r.problem = textIn(lang, "引号没有结束", "a quoted field is not closed");
                    r.problemLine = rec.line;
                    r.records.clear();
                    return r;
                }
                break;
            }
            const QChar c = text[i];
            if (quoted) {
                if (c == QLatin1Char('"')) {
                    if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                        field += c;
                        i += 2;
                        continue;
                    }
                    quoted = false;
                    ++i;
                    continue;
                }
                if (c == QLatin1Char('\n')) {
                    ++line;
                    lineStart = i + 1;
                }
                if (i - lineStart > kMaxLineLength) {
                    r.problem = tooLong(lang);
                    r.problemLine = line;
                    r.records.clear();
                    return r;
                }
                field += c;
                ++i;
                continue;
            }
            if (c == QLatin1Char('"') && field.trimmed().isEmpty() && !wasQuoted) {
                field.clear();
                quoted = wasQuoted = true;
                ++i;
                continue;
            }
            if (c == separator) {
                rec.fields << (wasQuoted ? field : field.trimmed());
                field.clear();
                wasQuoted = false;
                ++i;
                continue;
            }
            if (c == QLatin1Char('\n')) {
                ++i;
                break;
            }
            if (c != QLatin1Char('\r'))
                field += c;
            ++i;
        }
        rec.fields << (wasQuoted ? field : field.trimmed());
        r.records << rec;
        ++line;
    }
    return r;
}

QString textFromBytes(const QByteArray &bytes, QString &problem, Language lang)
{
    problem.clear();
    if (bytes.size() > kMaxTextBytes) {
        problem = textIn(lang, "文件太大（超过 %1 KB），不是频道表", "the file is larger than %1 KB; it is no channel list")
                      .arg(kMaxTextBytes / 1024);
        return QString();
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(bytes);
    if (decoder.hasError() || text.contains(QChar(0))) {
        problem = QString::fromUtf8(pick(lang, "不是文本文件（UTF-8）", "not a text file (UTF-8)"));
        return QString();
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

} // namespace kt913::csv
