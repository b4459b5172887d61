// SPDX-License-Identifier: GPL-3.0-or-later
// Writing channels as CSV rows.
#include "ChannelCsv.h"
#include "ChannelCsvFields.h"
#include "CsvText.h"
#include <QRegularExpression>

namespace kt913 {
namespace csvfield {

std::optional<qint64> parseMHz(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*(\\d{1,4})(?:\\.(\\d{0,9}))?\\s*$"));
    const QRegularExpressionMatch m = number.match(text);
    if (!m.hasMatch() || (m.captured(1).isEmpty() && m.captured(2).isEmpty()))
        return std::nullopt;
    // Hertz first, exact; then rounded to the 10 Hz the radio stores.
    const QString decimals = (m.captured(2) + QStringLiteral("000000")).left(6);
    qint64 hz = m.captured(1).toLongLong() * 1000000 + decimals.toLongLong();
    const QString beyond = m.captured(2).mid(6);
    if (!beyond.isEmpty() && beyond[0] >= QLatin1Char('5'))
        ++hz;
    return (hz + 5) / 10;
}

QString formatMHz(qint64 units)
{
    return QStringLiteral("%1.%2").arg(units / 100000).arg((units % 100000) * 10, 6, 10, QLatin1Char('0'));
}

QString frequencyText(qint64 units)
{
    return QStringLiteral("%1.%2").arg(units / 100000, 3, 10, QLatin1Char('0')).arg(units % 100000, 5, 10, QLatin1Char('0'));
}

ToneParts splitTone(const QString &text)
{
    ToneParts t;
    if (text.isEmpty())
        return t;
    if (text.size() == 5 && text.startsWith(QLatin1Char('D')) &&
        (text.endsWith(QLatin1Char('N')) || text.endsWith(QLatin1Char('I')))) {
        t.kind = ToneParts::Dcs;
        t.code = text.mid(1, 3);
        t.inverted = text.endsWith(QLatin1Char('I'));
        return t;
    }
    t.kind = ToneParts::Ctcss;
    t.ctcss = text;
    return t;
}

} // namespace csvfield

using namespace csvfield;

QStringList channelCsvColumns()
{
    static const QStringList columns = {
        QStringLiteral("Location"), QStringLiteral("Name"),        QStringLiteral("Frequency"),
        QStringLiteral("Duplex"),   QStringLiteral("Offset"),      QStringLiteral("Tone"),
        QStringLiteral("rToneFreq"), QStringLiteral("cToneFreq"),  QStringLiteral("DtcsCode"),
        QStringLiteral("DtcsPolarity"), QStringLiteral("RxDtcsCode"), QStringLiteral("CrossMode"),
        QStringLiteral("Mode"),     QStringLiteral("TStep"),       QStringLiteral("Skip"),
        QStringLiteral("Power"),    QStringLiteral("Comment"),     QStringLiteral("URCALL"),
        QStringLiteral("RPT1CALL"), QStringLiteral("RPT2CALL"),    QStringLiteral("DVCODE"),
        QStringLiteral("BusyLock"), QStringLiteral("Scramble"),
    };
    return columns;
}

namespace {

// The tones as the format spells them. `tx` and `rx` are the channel's tone texts, ""
// for off.
void writeTones(QStringList &r, const QString &txText, const QString &rxText)
{
    const ToneParts tx = splitTone(txText), rx = splitTone(rxText);
    r[RToneFreq] = r[CToneFreq] = QLatin1String(kDefaultCtcss);
    r[DtcsCode] = r[RxDtcsCode] = QLatin1String(kDefaultDcs);
    r[CrossMode] = QLatin1String(kDefaultCrossMode);
    r[DtcsPolarity] = QString(QLatin1Char(tx.inverted ? 'R' : 'N')) + QLatin1Char(rx.inverted ? 'R' : 'N');
    using K = ToneParts;
    if (tx.kind == K::None && rx.kind == K::None) {
        r[Tone].clear();
        return;
    }
    if (tx.kind == K::Ctcss && rx.kind == K::None) {
        r[Tone] = QStringLiteral("Tone");
        r[RToneFreq] = tx.ctcss;
        return;
    }
    if (tx.kind == K::Ctcss && rx.kind == K::Ctcss && tx.ctcss == rx.ctcss) {
        r[Tone] = QStringLiteral("TSQL");
        r[RToneFreq] = r[CToneFreq] = tx.ctcss;
        return;
    }
    if (tx.kind == K::Dcs && rx.kind == K::Dcs && tx.code == rx.code && tx.inverted == rx.inverted) {
        r[Tone] = QStringLiteral("DTCS");
        r[DtcsCode] = r[RxDtcsCode] = tx.code;
        return;
    }
    r[Tone] = QStringLiteral("Cross");
    const auto side = [](const ToneParts &t) {
        return t.kind == K::Ctcss ? QStringLiteral("Tone") : t.kind == K::Dcs ? QStringLiteral("DTCS") : QString();
    };
    r[CrossMode] = side(tx) + QStringLiteral("->") + side(rx);
    if (tx.kind == K::Ctcss)
        r[RToneFreq] = tx.ctcss;
    if (tx.kind == K::Dcs)
        r[DtcsCode] = tx.code;
    if (rx.kind == K::Ctcss)
        r[CToneFreq] = rx.ctcss;
    if (rx.kind == K::Dcs)
        r[RxDtcsCode] = rx.code;
}

QString onOff(bool on) { return on ? QStringLiteral("On") : QStringLiteral("Off"); }

} // namespace

QStringList channelCsvRecord(int channel, const ChannelRow &row)
{
    QStringList r;
    for (int k = 0; k < ColumnCount; ++k)
        r << QString();
    r[Location] = QString::number(channel);
    r[Name] = channelNameText(row.name);
    const qint64 rx = parseMHz(row.freq[0]).value_or(0);
    r[Frequency] = formatMHz(rx);
    r[Offset] = formatMHz(0);
    if (row.freq[1].isEmpty()) {
        r[Duplex] = QStringLiteral("off");
    } else {
        const qint64 tx = parseMHz(row.freq[1]).value_or(0);
        const qint64 shift = tx - rx;
        if (shift != 0 && qAbs(shift) < kSplitFrom) {
            r[Duplex] = shift > 0 ? QStringLiteral("+") : QStringLiteral("-");
            r[Offset] = formatMHz(qAbs(shift));
        } else if (shift != 0) {
            r[Duplex] = QStringLiteral("split");
            r[Offset] = formatMHz(tx);
        }
    }
    const auto tone = [&](int slot) { return row.optionIndex[slot] != 0 ? row.optionText[slot] : QString(); };
    writeTones(r, tone(optionSlot(col::TxTone)), tone(optionSlot(col::RxTone)));
    const auto index = [&](int column) { return row.optionIndex[optionSlot(column)]; };
    r[Mode] = index(col::Bandwidth) == 0 ? QStringLiteral("NFM") : QStringLiteral("FM");
    r[TStep] = QStringLiteral("5.00");
    r[Skip] = index(col::ScanAdd) == 0 ? QStringLiteral("S") : QString();
    r[Power] = index(col::Power) == 0 ? QStringLiteral("Low") : QStringLiteral("High");
    // Item 0 of both lists is the function switched on ("载波" lockout on a carrier, "开").
    r[BusyLock] = onOff(index(col::BusyLock) == 0);
    r[Scramble] = onOff(index(col::Scramble) == 0);
    return r;
}

QString joinChannelCsv(const QList<QStringList> &records, QChar separator)
{
    return csv::joinRecords(records, separator);
}

QString channelCsvText(const ChannelTables &tables, QChar separator)
{
    QList<QStringList> records{channelCsvColumns()};
    for (int n = 1; n <= map::kChannelCount; ++n)
        if (tables.isUsed(n))
            records << channelCsvRecord(n, tables.row(n));
    return joinChannelCsv(records, separator);
}

} // namespace kt913
