// SPDX-License-Identifier: GPL-3.0-or-later
// Reading channel CSV rows into channels, through the channel editor's commit rules.
#include "ChannelCsv.h"
#include "ChannelCsvFields.h"
#include "ChannelEditRules.h"
#include "Converters.h"
#include "CsvText.h"
#include "FormDescriptions.h"
#include "ToneList.h"
#include <QHash>

namespace kt913 {
using namespace csvfield;

namespace {

// The fields of one record by column, as far as the text gives them.
class Fields {
public:
    Fields(const QStringList &values, const std::array<int, ColumnCount> &position)
        : m_values(values), m_position(position) {}
    bool has(Column c) const { return m_position[c] >= 0 && m_position[c] < m_values.size(); }
    QString operator[](Column c) const { return has(c) ? m_values[m_position[c]].trimmed() : QString(); }
    QString orDefault(Column c, const char *fallback) const
    {
        const QString v = (*this)[c];
        return v.isEmpty() ? QLatin1String(fallback) : v;
    }

private:
    const QStringList &m_values;
    const std::array<int, ColumnCount> &m_position;
};

// A row refused: carries the reason out of the field readers.
struct Refused {
    QString reason;
};

// A CTCSS tone of the list, "88.5" and "88.50" alike.
QString ctcssText(const QString &value, Language lang)
{
    bool ok = false;
    const double v = value.toDouble(&ok);
    if (ok)
        for (int i = 1; i <= kCtcssCount; ++i)
            if (qAbs(toneList(lang)[i].toDouble() - v) < 0.001)
                return toneList(lang)[i];
    throw Refused{textIn(lang, "亚音频 %1 不在列表中", KT913_TR("ChannelCsv", "tone %1 is not one this radio has")).arg(value)};
}

// A DCS code as three digits ("23" and "023" alike).
QString dcsCode(const QString &value, Language lang)
{
    bool ok = false;
    const int digits = value.toInt(&ok);
    if (!ok || digits < 0 || value.size() > 3)
        throw Refused{textIn(lang, "数字亚音频 %1 不是三位数字", KT913_TR("ChannelCsv", "DTCS code %1 is not three digits")).arg(value)};
    return QStringLiteral("%1").arg(digits, 3, 10, QLatin1Char('0'));
}

// A DCS code of the list with its polarity, as the tone list spells it ("D023N").
QString dcsText(const QString &value, bool inverted, Language lang)
{
    const QString text = QLatin1Char('D') + dcsCode(value, lang) + QLatin1Char(inverted ? 'I' : 'N');
    if (toneList(lang).indexOf(text) > 0)
        return text;
    throw Refused{textIn(lang, "数字亚音频 %1 不在列表中", KT913_TR("ChannelCsv", "DTCS code %1 is not one this radio has")).arg(value)};
}

bool invertedAt(const QString &polarity, int side, Language lang)
{
    const QString p = polarity.toUpper();
    if (p.size() != 2 || !(p[0] == 'N' || p[0] == 'R') || !(p[1] == 'N' || p[1] == 'R'))
        throw Refused{textIn(lang, "极性 %1 无效（应为 NN、NR、RN 或 RR）", KT913_TR("ChannelCsv", "polarity %1 is none of NN, NR, RN, RR")).arg(polarity)};
    return p[side] == 'R';
}

// Of a value kept in either of two columns: where they differ and one is the format's
// default, the other; else `preferred`.
QString eitherColumn(const QString &preferred, const QString &other, const char *fallback)
{
    if (preferred != other && preferred == QLatin1String(fallback))
        return other;
    return preferred;
}

// The tones a row gives, TX then RX, as tone texts ("" for off).
std::pair<QString, QString> readTones(const Fields &f, Language lang)
{
    const QString mode = f[Tone];
    const QString r = f.orDefault(RToneFreq, kDefaultCtcss), c = f.orDefault(CToneFreq, kDefaultCtcss);
    const QString d = f.orDefault(DtcsCode, kDefaultDcs), rd = f.orDefault(RxDtcsCode, kDefaultDcs);
    const QString polarity = f.orDefault(DtcsPolarity, kDefaultPolarity);
    if (mode.isEmpty())
        return {};
    if (mode.compare(QLatin1String("Tone"), Qt::CaseInsensitive) == 0)
        return {ctcssText(r, lang), QString()};
    if (mode.compare(QLatin1String("TSQL"), Qt::CaseInsensitive) == 0) {
        const QString t = ctcssText(eitherColumn(ctcssText(c, lang), ctcssText(r, lang), kDefaultCtcss), lang);
        return {t, t};
    }
    if (mode.compare(QLatin1String("DTCS"), Qt::CaseInsensitive) == 0) {
        const QString code = eitherColumn(dcsCode(d, lang), dcsCode(rd, lang), kDefaultDcs);
        return {dcsText(code, invertedAt(polarity, 0, lang), lang), dcsText(code, invertedAt(polarity, 1, lang), lang)};
    }
    if (mode.compare(QLatin1String("Cross"), Qt::CaseInsensitive) != 0)
        throw Refused{textIn(lang, "未知的亚音频方式 %1", KT913_TR("ChannelCsv", "unknown tone mode %1")).arg(mode)};
    const QString cross = f.orDefault(CrossMode, kDefaultCrossMode);
    const qsizetype arrow = cross.indexOf(QLatin1String("->"));
    const QString txKind = arrow < 0 ? QString() : cross.left(arrow).trimmed().toUpper();
    const QString rxKind = arrow < 0 ? QString() : cross.mid(arrow + 2).trimmed().toUpper();
    const auto known = [](const QString &k) { return k.isEmpty() || k == QLatin1String("TONE") || k == QLatin1String("DTCS"); };
    if (arrow < 0 || !known(txKind) || !known(rxKind) || (txKind.isEmpty() && rxKind.isEmpty()))
        throw Refused{textIn(lang, "未知的交叉方式 %1", KT913_TR("ChannelCsv", "unknown cross mode %1")).arg(cross)};
    QString tx, rx;
    if (txKind == QLatin1String("TONE"))
        tx = ctcssText(r, lang);
    else if (txKind == QLatin1String("DTCS"))
        tx = dcsText(d, invertedAt(polarity, 0, lang), lang);
    if (rxKind == QLatin1String("TONE"))
        rx = ctcssText(c, lang);
    else if (rxKind == QLatin1String("DTCS"))
        rx = dcsText(rd, invertedAt(polarity, 1, lang), lang);
    return {tx, rx};
}

QString toneOf(const ChannelRow &row, int column)
{
    const int slot = optionSlot(column);
    return row.optionIndex[slot] != 0 ? row.optionText[slot] : QString();
}

void putTone(ChannelRow &row, int column, const QString &text, Language lang)
{
    const int index = text.isEmpty() ? 0 : FindToneIndex(text, lang);
    row = commitChoice(row, column, index, toneList(lang)[index]);
}

// Index 0 or 1 of an option list from the row's text; -1 when the text is none of them.
int choice(const QString &value, std::initializer_list<const char *> zero, std::initializer_list<const char *> one)
{
    for (const char *z : zero)
        if (value.compare(QLatin1String(z), Qt::CaseInsensitive) == 0)
            return 0;
    for (const char *o : one)
        if (value.compare(QLatin1String(o), Qt::CaseInsensitive) == 0)
            return 1;
    return -1;
}

int powerIndex(const QString &value, Language lang)
{
    const int named = choice(value, {"Low", "L"}, {"High", "H"});
    if (named >= 0)
        return named;
    // Power given in watts: 2 W and above is the high setting.
    QString watts = value;
    if (watts.endsWith(QLatin1Char('W'), Qt::CaseInsensitive))
        watts.chop(1);
    bool ok = false;
    const double w = watts.trimmed().toDouble(&ok);
    if (ok && w >= 0)
        return w >= 2 ? 1 : 0;
    throw Refused{textIn(lang, "功率 %1 无效", KT913_TR("ChannelCsv", "power %1 is neither High, Low nor watts")).arg(value)};
}

struct Option {
    Column column;
    int gridColumn;
    std::initializer_list<const char *> zero, one;
    const char *zh, *en;
};

qint64 frequencyOf(const Fields &f, Column c, Language lang)
{
    const std::optional<qint64> v = parseMHz(f[c]);
    if (!v || *v <= 0)
        throw Refused{textIn(lang, "频率 %1 不是数字", KT913_TR("ChannelCsv", "frequency %1 is no number")).arg(f[c])};
    return *v;
}

// A name as the name box takes it, up to the 8 characters the name record holds.
QString boxName(const QString &text)
{
    QString name;
    for (QChar c : text)
        if (const QChar k = nameKey(c); !k.isNull() && name.size() < map::kNameLength)
            name += k;
    return name;
}

// The channel a record makes from `base`. `nameNote` says how the name was made to fit
// when the channel's name ends up other than the record wrote it.
ChannelRow readRow(const Fields &f, const ChannelRow &base, const ChannelCsvContext &ctx, QString &nameNote)
{
    const Language lang = ctx.lang;
    const bool fresh = !base.isUsed();
    ChannelRow row = base;
    const auto commit = [&](int column, qint64 units) {
        const FrequencyCommit c = commitFrequency(row, column, frequencyText(units), ctx.band, ctx.bandSelection, lang);
        if (c.outcome != FrequencyOutcome::Accepted)
            throw Refused{textIn(lang, "频率 %1 超出频段范围", KT913_TR("ChannelCsv", "frequency %1 is outside the band's limits")).arg(formatMHz(units))};
        if (column == col::Rx && !fresh) {
            // A channel without a transmit frequency is no new channel here: only the
            // receive frequency changes; the row's other fields say what they say.
            row.freq[0] = c.row.freq[0];
            row.cells[col::Rx] = c.row.cells[col::Rx];
        } else {
            row = c.row;
        }
    };

    if (!f.has(Frequency) || f[Frequency].isEmpty())
        throw Refused{textIn(lang, "没有频率", KT913_TR("ChannelCsv", "no frequency"))};
    const qint64 rx = frequencyOf(f, Frequency, lang);
    // A frequency the channel already has is kept as it is, even off the raster.
    if (fresh || parseMHz(row.freq[0]) != rx)
        commit(col::Rx, rx);

    if (f.has(Duplex)) {
        const QString duplex = f[Duplex].toLower();
        std::optional<qint64> tx;
        if (duplex.isEmpty())
            tx = rx;
        else if (duplex == QLatin1String("+") || duplex == QLatin1String("-")) {
            const std::optional<qint64> shift = parseMHz(f[Offset]);
            if (!shift)
                throw Refused{textIn(lang, "频差 %1 不是数字", KT913_TR("ChannelCsv", "offset %1 is no number")).arg(f[Offset])};
            tx = duplex == QLatin1String("+") ? rx + *shift : rx - *shift;
        } else if (duplex == QLatin1String("split"))
            tx = frequencyOf(f, Offset, lang);
        else if (duplex != QLatin1String("off"))
            throw Refused{textIn(lang, "未知的双工方式 %1", KT913_TR("ChannelCsv", "unknown duplex %1")).arg(f[Duplex])};
        if (!tx) {
            row.freq[1].clear();
            row.cells[col::Tx].clear();
        } else if (row.freq[1].isEmpty() || parseMHz(row.freq[1]) != *tx) {
            if (*tx <= 0)
                throw Refused{textIn(lang, "发射频率低于 0", KT913_TR("ChannelCsv", "the transmit frequency is below 0"))};
            commit(col::Tx, *tx);
        }
    }

    if (f.has(Tone)) {
        const auto [tx, rx] = readTones(f, lang);
        if (tx != toneOf(row, col::TxTone))
            putTone(row, col::TxTone, tx, lang);
        if (rx != toneOf(row, col::RxTone))
            putTone(row, col::RxTone, rx, lang);
    }

    static const Option options[] = {
        {Mode, col::Bandwidth, {"NFM"}, {"FM"}, "模式 %1 无效（应为 FM 或 NFM）", QT_TRANSLATE_NOOP("ChannelCsv", "mode %1 is neither FM nor NFM")},
        {Skip, col::ScanAdd, {"S"}, {"", "P"}, "扫描跳过 %1 无效", QT_TRANSLATE_NOOP("ChannelCsv", "skip %1 is neither S nor empty")},
        {BusyLock, col::BusyLock, {"On"}, {"Off"}, "繁忙信道锁定 %1 无效（应为 On 或 Off）", QT_TRANSLATE_NOOP("ChannelCsv", "busy lock %1 is neither On nor Off")},
        {Scramble, col::Scramble, {"On"}, {"Off"}, "倒频 %1 无效（应为 On 或 Off）", QT_TRANSLATE_NOOP("ChannelCsv", "scramble %1 is neither On nor Off")},
    };
    const auto put = [&](int gridColumn, int index) {
        if (fresh || row.optionIndex[optionSlot(gridColumn)] != index)
            row = commitChoice(row, gridColumn, index, channelOptionText(gridColumn, index, lang));
    };
    // An empty cell says no more than a column left out ("" is a value only for Skip).
    for (const Option &o : options) {
        if (!f.has(o.column) || (f[o.column].isEmpty() && o.column != Skip))
            continue;
        const int index = choice(f[o.column], o.zero, o.one);
        if (index < 0)
            throw Refused{textIn(lang, o.zh, SourceText{"ChannelCsv", o.en}).arg(f[o.column])};
        put(o.gridColumn, index);
    }
    if (f.has(Power) && !f[Power].isEmpty())
        put(col::Power, powerIndex(f[Power], lang));

    if (f.has(Name)) {
        // A name read from a radio may hold what the name box refuses (a space, lower
        // case, zero bytes); given back as it was exported, it stays as it is.
        const QString name = boxName(f[Name]);
        if (name != boxName(channelNameText(row.name)))
            row = commitName(row, name);
        if (const QString taken = channelNameText(row.name); taken != f[Name])
            nameNote = textIn(lang, "名称“%1”改为“%2”", KT913_TR("ChannelCsv", "name \"%1\" is taken as \"%2\"")).arg(f[Name], taken);
    }
    return row;
}

bool isHeader(const QStringList &fields)
{
    for (const QString &f : fields)
        if (f.trimmed().compare(QLatin1String("Frequency"), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// A first line of words only, no Location and no number at all, is a header, though not
// one of this format: read as channels, its file would lose every column.
bool isForeignHeader(const QStringList &fields)
{
    if (fields.isEmpty() || fields.front().trimmed().isEmpty())
        return false;
    for (const QString &f : fields)
        if (parseMHz(f.trimmed()))
            return false;
    return true;
}

} // namespace

ChannelCsvParse parseChannelCsv(const QString &text, const ChannelCsvContext &ctx, const ChannelCsvBase &base)
{
    ChannelCsvParse result;
    const Language lang = ctx.lang;
    const csv::ReadResult read = csv::readRecords(text, csv::detectSeparator(text), lang);
    if (!read.ok()) {
        result.problem = read.problemLine > 0 ? textIn(lang, "第 %1 行：%2", KT913_TR("ChannelCsv", "line %1: %2")).arg(read.problemLine).arg(read.problem)
                                              : read.problem;
        return result;
    }
    std::array<int, ColumnCount> position;
    for (int k = 0; k < ColumnCount; ++k)
        position[k] = k;
    qsizetype first = 0;
    if (!read.records.isEmpty() && isHeader(read.records.front().fields)) {
        position.fill(-1);
        const QStringList &header = read.records.front().fields;
        const QStringList columns = channelCsvColumns();
        for (int i = int(header.size()) - 1; i >= 0; --i) // the first of two equal headers wins
            for (int c = 0; c < ColumnCount; ++c)
                if (columns[c].compare(header[i].trimmed(), Qt::CaseInsensitive) == 0)
                    position[c] = i;
        first = 1;
    } else if (!read.records.isEmpty() && isForeignHeader(read.records.front().fields)) {
        result.problem = textIn(lang, "第 %1 行：表头中没有认识的列（应有 Location、Frequency 等）",
                            KT913_TR("ChannelCsv", "line %1: the header names no known column (Location, Frequency, ...)"))
                             .arg(read.records.front().line);
        return result;
    }
    for (qsizetype i = first; i < read.records.size(); ++i) {
        const csv::Record &rec = read.records[i];
        ChannelCsvLine line;
        line.line = rec.line;
        const Fields f(rec.fields, position);
        try {
            if (f.has(Location) && !f[Location].isEmpty()) {
                bool ok = false;
                line.channel = f[Location].toInt(&ok);
                if (!ok || line.channel < 1 || line.channel > map::kChannelCount) {
                    line.channel = 0;
                    throw Refused{textIn(lang, "频道号 %1 不在 1..128 之内", KT913_TR("ChannelCsv", "location %1 is outside 1..128")).arg(f[Location])};
                }
            }
            ChannelRow start = base && line.channel > 0 ? base(line.channel) : ChannelRow();
            line.row = readRow(f, start, ctx, line.nameNote);
        } catch (const Refused &r) {
            line.problem = r.reason;
            line.row = ChannelRow();
            line.nameNote.clear();
        }
        result.lines << line;
    }
    return result;
}

} // namespace kt913
