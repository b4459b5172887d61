// Channel records (0x000..0x67F) and channel names (0x800..0xBFF).
#include "Converters.h"
#include "FormDescriptions.h"
#include "ImageCodec.h"
#include "ToneList.h"

namespace kt913 {
namespace {

// Flag-byte bit of each option table slot 2..7 (grid columns 5..10).
constexpr int kFlagBit[8] = {-1, -1, map::flag::Power, map::flag::BusyLock, map::flag::ScanAdd,
                             map::flag::Bandwidth, map::flag::Hidden, map::flag::Scramble};

void decodeTone(const Image &img, int at, Language lang, QString &text, qint16 &present)
{
    if (img[at] == 0xFF) {
        text = offText(lang);
        present = 0;
    } else {
        text = kt913::decodeTone(img[at], img[at + 1]);
        present = 255;
    }
}

// Name characters are bytes; a character the radio cannot hold is stored as "?".
std::uint8_t nameByte(QChar c)
{
    return c.unicode() <= 0xFF ? std::uint8_t(c.unicode()) : std::uint8_t('?');
}

} // namespace

void SetNumOf(RadioModel &m)
{
    const Image &img = m.memoryImage;
    ChannelTables &t = m.channels;
    for (int n = 1; n <= map::kChannelCount; ++n) {
        const int a = map::channelBase(n), i = n - 1;
        if (img[a] == 0xFF) {
            t.FreqText[0][i].clear();
            t.ClearNO(n);
            continue;
        }
        t.FreqText[0][i] = decodeFrequency(&img[a + map::rec::RxFreq]);
        t.FreqText[1][i] = img[a + map::rec::TxFreq] == 0xFF ? QString() : decodeFrequency(&img[a + map::rec::TxFreq]);
        decodeTone(img, a + map::rec::RxTone, m.language, t.OptionText[0][i], t.OptionIndex[0][i]);
        decodeTone(img, a + map::rec::TxTone, m.language, t.OptionText[1][i], t.OptionIndex[1][i]);
        const int flags = img[a + map::rec::Flags];
        for (int k = 2; k < 8; ++k) {
            t.OptionIndex[k][i] = qint16((flags >> kFlagBit[k]) & 1);
            t.OptionText[k][i] = channelOptionText(k + 3, t.OptionIndex[k][i], m.language);
        }
    }
}

void decodeChannelNames(RadioModel &m)
{
    for (int n = 1; n <= map::kChannelCount; ++n) {
        const int a = map::nameBase(n);
        QString name;
        for (int k = 0; k < map::kNameLength; ++k)
            name += QChar(char16_t(m.memoryImage[a + k]));
        m.channels.ChannelName[n - 1] = StripFF(name);
    }
}

void SetGrid(RadioModel &m)
{
    ChannelTables &t = m.channels;
    for (int n = 1; n <= map::kChannelCount; ++n) {
        const int i = n - 1;
        if (t.FreqText[0][i].isEmpty()) {
            t.ClearNO(n);
            continue;
        }
        t.cell(n, col::Rx) = t.FreqText[0][i];
        t.cell(n, col::Tx) = t.FreqText[1][i];
        t.cell(n, col::RxTone) = t.OptionText[0][i];
        t.cell(n, col::TxTone) = t.OptionText[1][i];
        for (int c = col::Power; c <= col::Scramble; ++c)
            t.cell(n, c) = channelOptionText(c, t.OptionIndex[c - 3][i], m.language);
        t.cell(n, col::Name) = t.ChannelName[i];
    }
}

void encodeChannels(RadioModel &m)
{
    Image &out = m.outputImage;
    const ChannelTables &t = m.channels;
    for (int n = 1; n <= map::kChannelCount; ++n) {
        const int a = map::channelBase(n), i = n - 1;
        std::uint8_t *rec = &out[a];
        if (t.FreqText[0][i].isEmpty()) {
            std::fill(rec, rec + map::kChannelRecordSize, 0xFF);
            continue;
        }
        encodeFrequency(t.FreqText[0][i], rec + map::rec::RxFreq);
        if (t.FreqText[1][i].isEmpty())
            std::fill(rec + map::rec::TxFreq, rec + map::rec::TxFreq + 4, 0xFF);
        else
            encodeFrequency(t.FreqText[1][i], rec + map::rec::TxFreq);
        for (int k : {0, 1}) {
            std::uint8_t *tone = rec + (k == 0 ? map::rec::RxTone : map::rec::TxTone);
            if (t.OptionIndex[k][i] != 0)
                encodeTone(t.OptionText[k][i], tone);
            else
                tone[0] = tone[1] = 0xFF;
        }
        int flags = 1 << map::flag::AlwaysSet;
        for (int k = 2; k < 8; ++k)
            if (t.OptionIndex[k][i] != 0)
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
    for (int n = 1; n <= map::kChannelCount; ++n) {
        const QString code = ChannelCode(m.channels.ChannelName[n - 1]);
        const int a = map::nameBase(n);
        for (int k = 0; k < map::kNameLength; ++k)
            m.outputImage[a + k] = std::uint8_t(HexToNumber(code.mid(2 * k, 2)));
    }
}

} // namespace kt913
