// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelEditRules.h"
#include "Converters.h"
#include "FormDescriptions.h"
#include "ToneList.h"

namespace kt913 {

QChar frequencyKey(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || u == '.' ? c : QChar();
}

QChar nameKey(QChar c)
{
    char16_t u = c.unicode();
    if (u >= 'a' && u <= 'z')
        u = char16_t(u - 'a' + 'A');
    return u >= 35 && u <= 122 ? QChar(u) : QChar();
}

TypedText applyTypedEdit(const QString &before, const QString &after, KeyFilter filter, int maxLength)
{
    // The part the edit replaced: what lies between the common beginning and the common
    // end of the two texts.
    const int limit = int(qMin(before.size(), after.size()));
    int head = 0;
    while (head < limit && before[head] == after[head])
        ++head;
    int tail = 0;
    while (tail < limit - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    const QString added = after.mid(head, after.size() - head - tail);
    const int kept = head + tail; // characters of `before` the edit left in place

    QString taken;
    for (QChar c : added) {
        const QChar f = filter ? filter(c) : c;
        if (!f.isNull())
            taken += f;
    }
    if (maxLength > 0)
        taken.truncate(qMax(0, maxLength - kept));
    TypedText result;
    if (!added.isEmpty() && taken.isEmpty()) {
        // A refused key is refused whole: it does not even replace the selection.
        result.text = before;
        result.cursor = int(before.size()) - tail;
        return result;
    }
    result.text = before.left(head) + taken + before.right(tail);
    result.cursor = head + int(taken.size());
    return result;
}

FrequencyCommit commitFrequency(const ChannelRow &channel, int column, const QString &typed, const BandState &band,
                                int bandSelection, Language lang)
{
    FrequencyCommit result{FrequencyOutcome::Unchanged, channel};
    if (column != col::Rx && column != col::Tx)
        return result;
    if (typed.isEmpty()) {
        if (column == col::Rx) {
            result.outcome = FrequencyOutcome::Deleted;
            result.row = channel.cleared();
        }
        return result;
    }
    if (!isNumeric(typed))
        return result;
    if (!band.accepts(leadingNumber(typed))) {
        result.outcome = FrequencyOutcome::OutOfBand;
        return result;
    }

    ChannelRow &r = result.row;
    result.outcome = FrequencyOutcome::Accepted;
    const QString v = snapFrequencyText(typed);
    r.cells[column] = v;
    r.freq[column - col::Rx] = v;
    if (column != col::Rx || !r.cells[col::Tx].isEmpty())
        return result;

    // A new channel: transmit on the same frequency, no tones, and the options a
    // channel usually has. The option texts of the tables stay as they are.
    r.cells[col::Tx] = v;
    r.freq[1] = v;
    const bool narrow = bandSelection == 2 || bandSelection == 3;
    const struct {
        int column;
        qint16 index;
    } defaults[] = {
        {col::RxTone, 0}, {col::TxTone, 0}, {col::Power, 1},     {col::BusyLock, 1},
        {col::ScanAdd, 1}, {col::Bandwidth, qint16(narrow ? 0 : 1)}, {col::Hidden, 1}, {col::Scramble, 1},
    };
    for (const auto &d : defaults) {
        r.optionIndex[optionSlot(d.column)] = d.index;
        if (d.column == col::RxTone || d.column == col::TxTone)
            r.cells[d.column] = offText(lang);
        else if (d.column == col::Bandwidth)
            // The English list item reads "wide"; a new channel has always shown "Wide".
            r.cells[d.column] = narrow ? channelOptionText(d.column, 0, lang)
                                       : (lang == Language::English ? QStringLiteral("Wide")
                                                                    : channelOptionText(d.column, 1, lang));
        else
            r.cells[d.column] = channelOptionText(d.column, d.index, lang);
    }
    return result;
}

ChannelRow commitName(const ChannelRow &channel, const QString &typed)
{
    // A name left as it was keeps its stored bytes (an unnamed channel's eight zeros).
    if (typed == channelNameText(channel.name))
        return channel;
    ChannelRow r = channel;
    r.name = typed.isEmpty() ? QString() : StripFF(typed);
    r.cells[col::Name] = r.name;
    return r;
}

ChannelRow commitChoice(const ChannelRow &channel, int column, int index, const QString &itemText)
{
    ChannelRow r = channel;
    if (column < col::RxTone || column > col::Scramble)
        return r;
    r.cells[column] = itemText;
    r.optionIndex[optionSlot(column)] = qint16(index);
    if (column == col::RxTone || column == col::TxTone)
        r.optionText[optionSlot(column)] = itemText;
    return r;
}

ChannelRow openTextCell(const ChannelRow &channel, int column)
{
    ChannelRow r = channel;
    if (column == col::Rx || column == col::Tx)
        r.freq[column - col::Rx] = r.cells[column];
    else if (column == col::Name && r.cells[col::Name] != channelNameText(r.name))
        r.name = r.cells[col::Name];
    return r;
}

} // namespace kt913
