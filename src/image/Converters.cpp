// SPDX-License-Identifier: GPL-3.0-or-later
#include "Converters.h"
#include "ToneList.h"
#include <QChar>
#include <QHash>
#include <array>
#include <cmath>

namespace kt913 {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Mid$ with 1-based start that never reads outside the text.
QString mid(const QString &s, int start1, int len)
{
    const int from = start1 - 1;
    if (from < 0 || from >= s.size())
        return QString();
    return s.mid(from, len);
}

QString withoutPoint(const QString &s)
{
    QString r = s;
    r.remove(QLatin1Char('.'));
    return r;
}

// Parses the leading decimal number of a text into mantissa and scale (value = m / 10^s).
// Returns false when the text has no digits at all.
bool leadingDecimal(const QString &text, long long &mantissa, int &scale)
{
    int i = 0;
    const int n = text.size();
    while (i < n && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    mantissa = 0;
    scale = 0;
    bool any = false, point = false;
    int significant = 0;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('.') && !point) {
            point = true;
            continue;
        }
        if (!c.isDigit() || c.unicode() > '9')
            break;
        any = true;
        if (significant >= 17) { // beyond what the fields can hold; drop further digits
            if (!point)
                return false;
            continue;
        }
        mantissa = mantissa * 10 + (c.unicode() - '0');
        if (mantissa)
            ++significant;
        if (point)
            ++scale;
    }
    if (negative)
        mantissa = -mantissa;
    return any;
}

} // namespace

QString StripFF(const QString &text)
{
    QString r = text;
    r.remove(QChar(0xFF));
    return r;
}

double leadingNumber(const QString &text)
{
    long long m;
    int s;
    if (!leadingDecimal(text, m, s))
        return 0.0;
    return double(m) / std::pow(10.0, s);
}

bool isNumeric(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    int i = 0;
    if (t[0] == QLatin1Char('-') || t[0] == QLatin1Char('+'))
        ++i;
    bool digit = false, point = false;
    for (; i < t.size(); ++i) {
        const ushort u = t[i].unicode();
        if (u >= '0' && u <= '9')
            digit = true;
        else if (u == '.' && !point)
            point = true;
        else
            return false;
    }
    return digit;
}

QString formatFixed(double value, int intDigits, int decimals)
{
    if (!std::isfinite(value) || std::fabs(value) > 1e12)
        value = 0.0;
    const double scale = std::pow(10.0, decimals);
    // A tiny nudge keeps values such as 145.000625 (stored a hair low in binary) on the
    // decimal side a person expects; rounding itself is half away from zero.
    long long units = std::llround(value * scale + (value >= 0 ? 1e-7 : -1e-7));
    const bool negative = units < 0;
    if (negative)
        units = -units;
    const long long p = (long long)scale;
    QString intPart = QString::number(units / p);
    while (intPart.size() < intDigits)
        intPart.prepend(QLatin1Char('0'));
    QString r = negative ? QStringLiteral("-") + intPart : intPart;
    if (decimals > 0)
        r += QLatin1Char('.') + QStringLiteral("%1").arg(units % p, decimals, 10, QLatin1Char('0'));
    return r;
}

double SnapFrequency(const QString &text)
{
    if (text.size() < 4)
        return leadingNumber(text);
    int n = int(leadingNumber(text.right(4)));
    const int r5 = n % 500, r6 = n % 625;
    if (r5 == 0 || r6 == 0)
        return leadingNumber(text);
    n -= r5 < r6 ? r5 : r6;
    return leadingNumber(text.left(text.size() - 4) + QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0')));
}

QString snapFrequencyText(const QString &text)
{
    return formatFixed(SnapFrequency(formatFixed(leadingNumber(text), 1, 5)), 1, 5);
}

int FrequencyByte(const QString &text, int k)
{
    QString digits;
    switch (k) {
    case 1: digits = text.left(2); break;
    case 2: digits = mid(withoutPoint(text), 3, 2); break;
    case 3: digits = mid(withoutPoint(text), 5, 2); break;
    case 4: digits = text.right(2); break;
    default: return 0;
    }
    return int(HexToNumber(digits));
}

QString ToneCode(const QString &text)
{
    if (text.contains(QLatin1Char('N')))
        return mid(text, 3, 2) + QLatin1Char('8') + mid(text, 2, 1);
    if (text.contains(QLatin1Char('I')))
        return mid(text, 3, 2) + QLatin1Char('C') + mid(text, 2, 1);
    const QString s = formatFixed(leadingNumber(withoutPoint(text)), 4, 0);
    return s.right(2) + s.left(2);
}

int hexDigitValue(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return 0;
}

std::uint64_t HexToNumber(const QString &hex)
{
    std::uint64_t v = 0;
    for (QChar c : hex)
        v = v * 16 + std::uint64_t(hexDigitValue(c));
    return v;
}

QString FormatFmFrequency(const QString &text)
{
    const int point = text.indexOf(QLatin1Char('.'));
    if (point < 0)
        return text + QStringLiteral(".00");
    const int decimals = text.size() - point - 1;
    if (decimals == 0)
        return text + QStringLiteral("00");
    if (decimals == 1)
        return text + QLatin1Char('0');
    const QChar second = text[point + 2];
    const bool up = second >= QLatin1Char('5') && second <= QLatin1Char('9');
    return text.left(point + 2) + (up ? QLatin1Char('5') : QLatin1Char('0'));
}

namespace {
// Each tone's first index in the list, so that a lookup does not compare with 265 texts.
QHash<QString, int> toneIndexes(Language lang)
{
    const QStringList &tones = toneList(lang);
    QHash<QString, int> indexes;
    for (int i = int(tones.size()) - 1; i >= 0; --i)
        indexes.insert(tones[i], i);
    return indexes;
}
} // namespace

int FindToneIndex(const QString &text, Language lang)
{
    static const QHash<QString, int> zh = toneIndexes(Language::Chinese);
    static const QHash<QString, int> en = toneIndexes(Language::English);
    return (lang == Language::English ? en : zh).value(text, 0);
}

QString decodeFrequency(const std::uint8_t *b)
{
    // The eight digits, most significant pair first, with the point after the third.
    QChar text[9];
    int at = 0;
    for (int k = 3; k >= 0; --k) {
        text[at++] = QLatin1Char(kHexDigits[b[k] >> 4]);
        if (at == 3)
            text[at++] = QLatin1Char('.');
        text[at++] = QLatin1Char(kHexDigits[b[k] & 15]);
        if (at == 3)
            text[at++] = QLatin1Char('.');
    }
    return QString(text, 9);
}

namespace {
int hexPair(const QChar *digits, qsizetype count)
{
    int v = 0;
    for (qsizetype k = 0; k < count; ++k)
        v = v * 16 + hexDigitValue(digits[k]);
    return v;
}
} // namespace

void encodeFrequency(const QString &text, std::uint8_t *b)
{
    // The four pairs FrequencyByte takes, read in place rather than cut out as texts: the
    // first two characters, the third and fourth and the fifth and sixth digit once the
    // points are out, and the last two characters.
    QChar digits[6];
    qsizetype n = 0;
    for (QChar c : text) {
        if (c == QLatin1Char('.'))
            continue;
        if (n == 6)
            break;
        digits[n++] = c;
    }
    const qsizetype size = text.size();
    b[0] = std::uint8_t(hexPair(text.constData() + qMax<qsizetype>(0, size - 2), qMin<qsizetype>(2, size)));
    b[1] = std::uint8_t(n > 4 ? hexPair(digits + 4, qMin<qsizetype>(2, n - 4)) : 0);
    b[2] = std::uint8_t(n > 2 ? hexPair(digits + 2, qMin<qsizetype>(2, n - 2)) : 0);
    b[3] = std::uint8_t(hexPair(text.constData(), qMin<qsizetype>(2, size)));
}

namespace {
// The value of a decimal digit at i, or -1.
int decimalDigit(const QString &text, qsizetype i)
{
    const char16_t u = text[i].unicode();
    return u >= '0' && u <= '9' ? int(u - '0') : -1;
}

bool allDecimal(const QString &text, qsizetype from, qsizetype to)
{
    for (qsizetype i = from; i < to; ++i)
        if (decimalDigit(text, i) < 0)
            return false;
    return true;
}
} // namespace

QString decodeOffset(const std::uint8_t *b)
{
    // Every offset the radio writes is BCD; its text is the frequency's without the
    // leading zeros. Other bytes go the long way, through their value. The short way
    // is taken because the codec meets an offset on every open, read and write.
    for (int k = 0; k < 4; ++k)
        if ((b[k] >> 4) > 9 || (b[k] & 15) > 9)
            return formatFixed(leadingNumber(decodeFrequency(b)), 1, 5);
    const QString text = decodeFrequency(b);
    const int zeros = text[0] != QLatin1Char('0') ? 0 : text[1] != QLatin1Char('0') ? 1 : 2;
    return zeros ? text.mid(zeros) : text;
}

void encodeOffset(const QString &text, std::uint8_t *b)
{
    // The offset box's own shape, one to three digits, a point and five, is written as
    // its digits; any other text as its value, formatted so.
    const qsizetype n = text.size();
    const qsizetype point = n - 6;
    if (point < 1 || point > 3 || text[point] != QLatin1Char('.') || !allDecimal(text, 0, point) ||
        !allDecimal(text, point + 1, n)) {
        encodeFrequency(formatFixed(leadingNumber(text), 3, 5), b);
        return;
    }
    int d[8] = {};
    for (qsizetype i = 0; i < point; ++i)
        d[3 - point + i] = decimalDigit(text, i);
    for (int i = 0; i < 5; ++i)
        d[3 + i] = decimalDigit(text, point + 1 + i);
    for (int k = 0; k < 4; ++k)
        b[3 - k] = std::uint8_t(d[2 * k] << 4 | d[2 * k + 1]);
}

QString decodeTone(std::uint8_t b0, std::uint8_t b1)
{
    // Built in place: a whole image holds 256 tones.
    const auto digit = [](int v) { return QLatin1Char(kHexDigits[v & 15]); };
    QChar t[5];
    int n = 0;
    const int first = b1 >> 4;
    if (first == 0x8 || first == 0xC) { // DCS: "D", three digits, N(ormal) or I(nverted)
        t[n++] = QLatin1Char('D');
        t[n++] = digit(b1);
        t[n++] = digit(b0 >> 4);
        t[n++] = digit(b0);
        t[n++] = QLatin1Char(first == 0x8 ? 'N' : 'I');
    } else { // CTCSS: the digits of b1 without a leading zero, then b0's with a point
        if (first)
            t[n++] = digit(first);
        t[n++] = digit(b1);
        t[n++] = digit(b0 >> 4);
        t[n++] = QLatin1Char('.');
        t[n++] = digit(b0);
    }
    return QString(t, n);
}

void encodeTone(const QString &text, std::uint8_t *b)
{
    // The tone list's own shapes are written as their digits: up to three digits, a
    // point and one ("67.0" is 70 06), or "D", three digits and N or I ("D023N" is
    // 23 80). Any other text goes through ToneCode, which gives the same bytes for these.
    const qsizetype n = text.size();
    if (n == 5 && text[0] == QLatin1Char('D') && (text[4] == QLatin1Char('N') || text[4] == QLatin1Char('I')) &&
        allDecimal(text, 1, 4)) {
        b[0] = std::uint8_t(decimalDigit(text, 2) << 4 | decimalDigit(text, 3));
        b[1] = std::uint8_t((text[4] == QLatin1Char('N') ? 0x80 : 0xC0) | decimalDigit(text, 1));
        return;
    }
    if (n >= 3 && n <= 5 && text[n - 2] == QLatin1Char('.') && allDecimal(text, 0, n - 2) &&
        allDecimal(text, n - 1, n)) {
        int d[4] = {};
        for (qsizetype i = 0; i < n - 2; ++i)
            d[5 - n + i] = decimalDigit(text, i);
        d[3] = decimalDigit(text, n - 1);
        b[0] = std::uint8_t(d[2] << 4 | d[3]);
        b[1] = std::uint8_t(d[0] << 4 | d[1]);
        return;
    }
    const QString code = ToneCode(text);
    b[0] = std::uint8_t(HexToNumber(code.left(2)));
    b[1] = std::uint8_t(HexToNumber(mid(code, 3, 2)));
}

QString decodeFm(std::uint8_t hi, std::uint8_t lo)
{
    if (hi == 0xFF && lo == 0xFF)
        return QString();
    // From 87.0 to 108.0 MHz in tenths: 211 texts, made once (an image holds 26).
    static const std::array<QString, 211> texts = [] {
        std::array<QString, 211> t;
        for (int k = 0; k < int(t.size()); ++k) {
            const int whole = 87 + k / 10, tenth = k % 10;
            t[k] = FormatFmFrequency(tenth ? QStringLiteral("%1.%2").arg(whole).arg(tenth) : QString::number(whole));
        }
        return t;
    }();
    const int v = hi * 256 + lo;
    if (v >= int(texts.size())) // above 108.0 MHz
        return QString();
    return texts[v];
}

bool encodeFm(const QString &text, std::uint8_t *b)
{
    long long m;
    int s;
    b[0] = b[1] = 0xFF;
    if (!leadingDecimal(text, m, s) || s > 15)
        return false;
    // (f - 87) * 10 = (10 m - 870 * 10^s) / 10^s, rounded half to even.
    long long p = 1;
    for (int i = 0; i < s; ++i)
        p *= 10;
    if (m > (1LL << 58) / 10)
        return false;
    const long long num = 10 * m - 870 * p;
    long long q = num / p, r = num % p;
    if (r < 0) {
        r += p;
        --q;
    }
    if (2 * r > p || (2 * r == p && (q & 1)))
        ++q;
    if (q < 0 || q > 0xFFFF)
        return false;
    b[0] = std::uint8_t(q >> 8);
    b[1] = std::uint8_t(q & 0xFF);
    return true;
}

} // namespace kt913
