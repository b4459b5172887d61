// SPDX-License-Identifier: GPL-3.0-or-later
// Channel records (0x000..0x67F) and channel names (0x800..0xBFF).
#include "Converters.h"
#include "FormDescriptions.h"
#include "ImageCodec.h"
#include "ToneList.h"
#include <algorithm>

namespace kt913 {
namespace {

// Flag-byte bit of each option table slot 2..7 (grid columns 5..10).
constexpr int kFlagBit[8] = {-1, -1, map::flag::Power, map::flag::BusyLock, map::flag::ScanAdd,
                             map::flag::Bandwidth, map::flag::Hidden, map::flag::Scramble};

bool decimalNibbles(std::uint8_t b)
{
    return (b >> 4) <= 9 && (b & 0x0F) <= 9;
}

// A frequency of packed decimal digits. Other bytes come only from a damaged file or
// memory; shown, they would be hex letters in a frequency cell.
bool validFrequency(const std::uint8_t *b)
{
    return std::all_of(b, b + 4, decimalNibbles);
}

// A CTCSS tone is four decimal digits; a DCS code has 8 (normal) or C (inverted) as its
// first nibble, then three decimal digits.
bool validTone(std::uint8_t b0, std::uint8_t b1)
{
    const int first = b1 >> 4;
    return decimalNibbles(b0) && (b1 & 0x0F) <= 9 && (first <= 9 || first == 0x8 || first == 0xC);
}

void decodeTone(ChannelTables &t, int n, int slot, const Image &img, int at, Language lang)
{
    if (img[at] == 0xFF || !validTone(img[at], img[at + 1]))
        t.setOption(n, slot, 0, offText(lang));
    else
        t.setOption(n, slot, 255, kt913::decodeTone(img[at], img[at + 1]));
}

// Name characters are bytes; a character the radio cannot hold is stored as "?".
std::uint8_t nameByte(QChar c)
{
    return c.unicode() <= 0xFF ? std::uint8_t(c.unicode()) : std::uint8_t('?');
}

} // namespace

void SetNumOf(RadioModel &m)
{
    const Image &img = m.memoryImage();
    ChannelTables &t = m.channels();
    const ChannelTables::Batch batch(t);
    for (int n = 1; n <= map::kChannelCount; ++n) {
        const int a = map::channelBase(n);
        // A receive frequency that is no frequency leaves the channel empty, as 0xFF does.
        if (img[a] == 0xFF || !validFrequency(&img[a + map::rec::RxFreq])) {
            t.setFreqText(n, 0, QString());
            t.ClearNO(n);
            continue;
        }
        t.setFreqText(n, 0, decodeFrequency(&img[a + map::rec::RxFreq]));
        const std::uint8_t *tx = &img[a + map::rec::TxFreq];
        t.setFreqText(n, 1, tx[0] == 0xFF || !validFrequency(tx) ? QString() : decodeFrequency(tx));
        decodeTone(t, n, 0, img, a + map::rec::RxTone, m.language());
        decodeTone(t, n, 1, img, a + map::rec::TxTone, m.language());
        const int flags = img[a + map::rec::Flags];
        for (int k = 2; k < 8; ++k) {
            const qint16 index = qint16((flags >> kFlagBit[k]) & 1);
            t.setOption(n, k, index, channelOptionText(k + 3, index, m.language()));
        }
    }
}

void decodeChannelNames(RadioModel &m)
{
    const ChannelTables::Batch batch(m.channels());
    for (int n = 1; n <= map::kChannelCount; ++n) {
        // SetGrid empties the name of an unused channel; building it first would only
        // make a text to throw away.
        if (!m.channels().isUsed(n)) {
            m.channels().setName(n, QString());
            continue;
        }
        const int a = map::nameBase(n);
        QChar chars[map::kNameLength];
        int length = 0;
        for (int k = 0; k < map::kNameLength; ++k)
            if (m.memoryImage()[a + k] != 0xFF) // what StripFF takes out
                chars[length++] = QChar(char16_t(m.memoryImage()[a + k]));
        m.channels().setName(n, QString(chars, length));
    }
}

void SetGrid(RadioModel &m)
{
    ChannelTables &t = m.channels();
    const ChannelTables::Batch batch(t);
    for (int n = 1; n <= map::kChannelCount; ++n) {
        const int i = n - 1;
        if (t.freqTexts()[0][i].isEmpty()) {
            t.ClearNO(n);
            continue;
        }
        t.setCell(n, col::Rx, t.freqTexts()[0][i]);
        t.setCell(n, col::Tx, t.freqTexts()[1][i]);
        t.setCell(n, col::RxTone, t.optionTexts()[0][i]);
        t.setCell(n, col::TxTone, t.optionTexts()[1][i]);
        for (int c = col::Power; c <= col::Scramble; ++c)
            t.setCell(n, c, channelOptionText(c, t.optionIndexes()[optionSlot(c)][i], m.language()));
        t.setCell(n, col::Name, channelNameText(t.channelNames()[i]));
    }
}

void encodeChannels(RadioModel &m)
{
    Image &out = m.outputImageToFill();
    const ChannelTables &t = m.channels();
    for (int n = 1; n <= map::kChannelCount; ++n) {
        const int a = map::channelBase(n), i = n - 1;
        std::uint8_t *rec = &out[a];
        if (t.freqTexts()[0][i].isEmpty()) {
            std::fill(rec, rec + map::kChannelRecordSize, 0xFF);
            continue;
        }
        encodeFrequency(t.freqTexts()[0][i], rec + map::rec::RxFreq);
        if (t.freqTexts()[1][i].isEmpty())
            std::fill(rec + map::rec::TxFreq, rec + map::rec::TxFreq + 4, 0xFF);
        else
            encodeFrequency(t.freqTexts()[1][i], rec + map::rec::TxFreq);
        for (int k : {0, 1}) {
            std::uint8_t *tone = rec + (k == 0 ? map::rec::RxTone : map::rec::TxTone);
            if (t.optionIndexes()[k][i] != 0)
                encodeTone(t.optionTexts()[k][i], tone);
            else
                tone[0] = tone[1] = 0xFF;
        }
        int flags = 1 << map::flag::AlwaysSet;
        for (int k = 2; k < 8; ++k)
            if (t.optionIndexes()[k][i] != 0)
                flags |= 1 << kFlagBit[k];
        rec[map::rec::Flags] = std::uint8_t(flags);
    }
    std::fill(out.begin() + map::kReservedAfterChannels, out.begin() + map::kReservedAfterChannelsEnd + 1, 0xFF);
}

QString ChannelCode(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("0000000000000000");
    QString code;
    const int n = qMin(int(name.size()), map::kNameLength);
    // Always two digits a character, so that a control character cannot shift the
    // rest of the name into the next byte.
    for (int k = 0; k < n; ++k)
        code += QStringLiteral("%1").arg(nameByte(name[k]), 2, 16, QLatin1Char('0')).toUpper();
    for (int k = n; k < map::kNameLength; ++k)
        code += QStringLiteral("FF");
    return code;
}

void encodeChannelNames(RadioModel &m)
{
    // The bytes ChannelCode spells out, written directly: an empty name is eight 0x00,
    // else its first eight characters and 0xFF for each one missing.
    for (int n = 1; n <= map::kChannelCount; ++n) {
        const QString &name = m.channels().channelNames()[n - 1];
        std::uint8_t *out = &m.outputImageToFill()[map::nameBase(n)];
        for (int k = 0; k < map::kNameLength; ++k)
            out[k] = name.isEmpty() ? 0x00 : k < name.size() ? nameByte(name[k]) : 0xFF;
    }
}

} // namespace kt913
