// SPDX-License-Identifier: GPL-3.0-or-later
// Optional features, band variant, power-on texts and the two VFO records
// (0x700..0x75F, and the return-channel byte at 0x7A6).
#include "Converters.h"
#include "ImageCodec.h"
#include "ToneList.h"
#include "WindowControls.h"

namespace kt913 {
namespace {
using namespace OptionsControls;

struct ByteSetting {
    int address;
    ControlKey control;
};

// Bytes that hold one value each; the limit and default live with the control.
const ByteSetting kSingles[] = {
    {map::kGroupADisplay, Combo1},   {map::kGroupBSquelch, Combo36}, {map::kGroupAStep, Combo3},
    {map::kGroupBDisplay, Combo17},  {map::kGroupASquelch, Combo5},  {map::kPowerOnDisplay, Combo32},
    {map::kMemoryDisplay, Combo34},  {map::kAutoPowerOff, Combo35},  {map::kGroupBStep, Combo37},
    {map::kTxTimeout, Combo19},      {map::kReturnChannel, Combo39},
};

// Channel-number boxes: the number in decimal below the limit, else an empty box.
const ByteSetting kChannelNumbers[] = {{map::kGroupAChannel, Text6}, {map::kGroupBChannel, Text2}};

// Bit fields: control, lowest bit, width.
struct BitField {
    int address;
    ControlKey control;
    int bit, width;
};
const BitField kBitFields[] = {
    {map::kBits706, Combo7, 0, 1},   {map::kBits706, Combo10, 1, 1}, {map::kBits706, Combo8, 2, 1},
    {map::kBits706, Combo9, 3, 1},   {map::kBits706, Combo6, 4, 1},  {map::kBits706, Combo38, 5, 1},
    {map::kBits706, ComboMod, 6, 1}, {map::kBits706, Combo13, 7, 1},
    {map::kBits707, Combo18, 0, 2},  {map::kBits707, Combo16, 2, 1}, {map::kBits707, Combo2, 3, 1},
    {map::kBits707, Combo33, 4, 1},  {map::kBits707, Combo20, 5, 1}, {map::kBits707, Combo21, 6, 2},
    {map::kBits708, Combo31, 0, 1},  {map::kBits708, Combo15, 3, 2}, {map::kBits708, Combo14, 5, 3},
    {map::kBits70E, Combo11, 0, 1},  {map::kBits70E, Combo40, 1, 1},
};
// Bits written as 1 and never decoded.
constexpr int kBits708AlwaysSet = 0x02 | 0x04; // bit 1, and bit 2 (the VOX-while-receiving box)
constexpr int kBits70EAlwaysSet = 0xFC;

struct VfoControls {
    int base;
    ControlKey freq, offset, rx, tx;
    ControlKey flagControls[8]; // by bit; none: written 0. Bits 6 and 7 are never decoded.
    ControlKey direction;
};
const VfoControls kVfos[] = {
    {map::kVfoA, Text20, Text21, Combo22, Combo23,
     {Combo24, ControlKey{}, Combo25, Combo26, Combo27, Combo28, Combo12, Combo29}, Combo30},
    {map::kVfoB, Text3, Text4, Combo46, Combo47,
     {Combo48, ControlKey{}, Combo51, Combo52, Combo50, Combo53, ControlKey{}, ControlKey{}}, Combo49},
};

bool exists(ControlKey k) { return k.form != FormId::None; }

// The list index to encode. A list left with no selection (typed text in an editable
// list) is written as its "New" value, so that it cannot spill into neighbouring bits.
int listIndex(const FormStore &s, ControlKey control)
{
    const int i = s.index(control);
    if (i >= 0)
        return i;
    const QString &fallback = s.control(control).newValue;
    return fallback.isNull() ? 0 : fallback.toInt();
}

QString asciiText(const Image &img, int at, int length)
{
    QString text;
    for (int k = 0; k < length; ++k)
        if (img[at + k] != 0xFF)
            text += QChar(char16_t(img[at + k]));
    return text;
}

void writeAscii(Image &out, int at, int length, const QString &text)
{
    for (int k = 0; k < length; ++k) {
        if (k < text.size())
            out[at + k] = text[k].unicode() <= 0xFF ? std::uint8_t(text[k].unicode()) : std::uint8_t('?');
        else
            out[at + k] = 0xFF;
    }
}

// A channel-number box as one byte; an empty box, or a number a byte cannot hold, as `empty`.
std::uint8_t numberByte(const QString &text, std::uint8_t empty)
{
    if (text.isEmpty())
        return empty;
    const double v = leadingNumber(text);
    return v >= 0 && v <= 255 ? std::uint8_t(v) : empty;
}

void decodeVfo(RadioModel &m, const VfoControls &v)
{
    const Image &img = m.memoryImage();
    FormStore &s = m.options();
    const int a = v.base;
    s.setText(v.freq, decodeFrequency(&img[a + map::vfo::Freq]), m.language());
    s.setText(v.offset, decodeOffset(&img[a + map::vfo::Offset]), m.language());
    s.setIndex(v.rx, FindToneIndex(decodeTone(img[a + map::vfo::RxTone], img[a + map::vfo::RxTone + 1]), m.language()));
    s.setIndex(v.tx, FindToneIndex(decodeTone(img[a + map::vfo::TxTone], img[a + map::vfo::TxTone + 1]), m.language()));
    const int flags = img[a + map::vfo::Flags];
    for (int bit = 0; bit <= 5; ++bit) // bits 6 and 7 are written but never read back
        if (exists(v.flagControls[bit]))
            s.setIndex(v.flagControls[bit], (flags >> bit) & 1);
    s.setIndex(v.direction, img[a + map::vfo::Direction]);
}

void encodeVfo(RadioModel &m, const VfoControls &v)
{
    Image &out = m.outputImageToFill();
    const FormStore &s = m.options();
    const int a = v.base;
    encodeFrequency(s.text(v.freq, m.language()), &out[a + map::vfo::Freq]);
    encodeOffset(s.text(v.offset, m.language()), &out[a + map::vfo::Offset]);
    for (auto [control, at] : {std::pair{v.rx, map::vfo::RxTone}, std::pair{v.tx, map::vfo::TxTone}}) {
        const int i = listIndex(s, control);
        if (i == 0)
            out[a + at] = out[a + at + 1] = 0xFF;
        else
            encodeTone(toneList(m.language()).value(i), &out[a + at]);
    }
    int flags = 0;
    for (int bit = 0; bit < 8; ++bit)
        if (exists(v.flagControls[bit]) && listIndex(s, v.flagControls[bit]) != 0)
            flags |= 1 << bit;
    out[a + map::vfo::Flags] = std::uint8_t(flags);
    out[a + map::vfo::Reserved13] = 0xFF;
    out[a + map::vfo::Direction] = std::uint8_t(listIndex(s, v.direction));
    out[a + map::vfo::Reserved15] = 0xFF;
}

} // namespace

QList<ControlKey> decodedSettingControls()
{
    QList<ControlKey> keys;
    for (const ByteSetting &b : kSingles)
        keys << b.control;
    for (const ByteSetting &b : kChannelNumbers)
        keys << b.control;
    for (const BitField &f : kBitFields)
        keys << f.control;
    keys << Check13 << Text31;
    for (const VfoControls &v : kVfos) {
        keys << v.freq << v.offset << v.rx << v.tx;
        for (int bit = 0; bit <= 5; ++bit)
            if (exists(v.flagControls[bit]))
                keys << v.flagControls[bit];
        keys << v.direction;
    }
    keys << Text1;
    return keys;
}

void decodeSettings(RadioModel &m)
{
    Image &img = m.memoryImageToFill();
    FormStore &s = m.options();
    for (const ByteSetting &b : kSingles) {
        const ControlDescription &c = s.control(b.control);
        const int v = img[b.address];
        s.setIndex(b.control, v < c.decodeLimit ? v : c.decodeDefault);
    }
    for (const ByteSetting &b : kChannelNumbers) {
        const ControlDescription &c = s.control(b.control);
        const int v = img[b.address];
        s.setText(b.control, v < c.decodeLimit ? QString::number(v) : QString(), m.language());
    }
    for (const BitField &f : kBitFields)
        s.setIndex(f.control, (img[f.address] >> f.bit) & ((1 << f.width) - 1));
    s.setChecked(Check13, (img[map::kBits708] >> 2) & 1);

    m.takeBandVariant(img[map::kBandVariant]);
    img[map::kReserved717] = 0xFF;

    s.setText(Text31, asciiText(img, map::kPowerOnText, map::kPowerOnTextLength), m.language());
    for (const VfoControls &v : kVfos)
        decodeVfo(m, v);
    s.setText(Text1, asciiText(img, map::kPassword, map::kPasswordLength), m.language());
}

void encodeSettings(RadioModel &m)
{
    Image &out = m.outputImageToFill();
    const FormStore &s = m.options();
    for (const ByteSetting &b : kSingles)
        out[b.address] = std::uint8_t(listIndex(s, b.control));
    out[map::kGroupAChannel] = numberByte(s.text(Text6, m.language()), 0xFF);
    out[map::kGroupBChannel] = numberByte(s.text(Text2, m.language()), 0);

    out[map::kBits706] = out[map::kBits707] = 0;
    out[map::kBits708] = kBits708AlwaysSet;
    out[map::kBits70E] = kBits70EAlwaysSet;
    for (const BitField &f : kBitFields)
        out[f.address] |= std::uint8_t((listIndex(s, f.control) & ((1 << f.width) - 1)) << f.bit);

    static const char kTag[] = "QXV-DW";
    for (int k = 0; k < map::kTagLength; ++k)
        out[map::kTag + k] = std::uint8_t(kTag[k]);
    out[map::kBandVariant] = std::uint8_t(m.bandSelection());
    out[map::kReserved717] = 0xFF;
    writeAscii(out, map::kPowerOnText, map::kPowerOnTextLength, s.text(Text31, m.language()));
    out[map::kReserved71E] = out[map::kReserved71E + 1] = 0xFF;
    for (const VfoControls &v : kVfos)
        encodeVfo(m, v);
    writeAscii(out, map::kPassword, map::kPasswordLength, s.text(Text1, m.language()));
    std::fill(out.begin() + map::kReserved744, out.begin() + map::kReserved744End + 1, 0xFF);
}

} // namespace kt913
