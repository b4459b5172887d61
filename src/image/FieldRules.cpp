// SPDX-License-Identifier: GPL-3.0-or-later
#include "FieldRules.h"
#include "Converters.h"
#include <cmath>

namespace kt913 {
namespace {

constexpr int kHighestChannel = 64;
constexpr double kHighestOffset = 99.995;
constexpr double kLowestFm = 87.0, kHighestFm = 107.9;
const QString kOutOfBandFrequency = QStringLiteral("136.00000");

char16_t upper(char16_t u)
{
    return u >= 'a' && u <= 'z' ? char16_t(u - 'a' + 'A') : u;
}

bool isDigit(char16_t u)
{
    return u >= '0' && u <= '9';
}

} // namespace

QChar digitKey(QChar c)
{
    return isDigit(c.unicode()) ? c : QChar();
}

QChar powerOnTextKey(QChar c)
{
    const char16_t u = upper(c.unicode());
    return isDigit(u) || (u >= 'A' && u <= 'Z') || u == '*' || u == '#' || u == '-' ? QChar(u) : QChar();
}

QChar dtmfKey(QChar c)
{
    const char16_t u = upper(c.unicode());
    return isDigit(u) || (u >= 'A' && u <= 'D') || u == '*' || u == '#' ? QChar(u) : QChar();
}

QString channelNumberWhileTyping(const QString &text)
{
    return leadingNumber(text) > kHighestChannel ? QString::number(kHighestChannel) : text;
}

QString channelNumberOnLeave(const QString &text)
{
    const double v = std::floor(leadingNumber(text));
    if (v < 1)
        return QString();
    return QString::number(v > kHighestChannel ? kHighestChannel : int(v));
}

QString vfoFrequencyOnLeave(const QString &text, const BandState &band)
{
    const QString shown = formatFixed(leadingNumber(text), 1, 5);
    // The band is checked on the value as the box will show it, so that a long text
    // just below an upper limit cannot round up onto that (excluded) limit.
    if (!band.accepts(leadingNumber(shown)))
        return kOutOfBandFrequency;
    return formatFixed(SnapFrequency(shown), 1, 5);
}

QString offsetOnLeave(const QString &text)
{
    // No key types a minus sign; a negative text from elsewhere would encode as garbage
    // BCD, so it counts as no offset.
    const double v = qBound(0.0, leadingNumber(text), kHighestOffset);
    return formatFixed(SnapFrequency(formatFixed(v, 1, 5)), 1, 5);
}

FmEntry fmFrequencyOnLeave(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {FmEntry::Empty, QString()};
    if (!isNumeric(t))
        return {FmEntry::NotANumber, QString()};
    // leadingNumber divides the digits by a power of ten, which rounds correctly, so
    // "107.9" compares equal to the limit and "107.95" above it.
    const double v = leadingNumber(t);
    if (v < kLowestFm || v > kHighestFm)
        return {FmEntry::OutOfRange, QString()};
    return {FmEntry::Accepted, FormatFmFrequency(t)};
}

std::optional<qint16> presentChannelFromText(const QString &text)
{
    const QString t = text.trimmed();
    if (!isNumeric(t))
        return std::nullopt;
    bool ok = false;
    const double v = t.toDouble(&ok); // the whole text, however many digits it has
    if (!ok)
        return std::nullopt;
    double r = std::round(v); // halves away from zero ...
    if (std::fabs(v - std::trunc(v)) == 0.5)
        r = 2.0 * std::round(v / 2.0); // ... except that a half goes to the even neighbour
    if (r < -32768.0 || r > 32767.0)
        return std::nullopt;
    return qint16(r);
}

} // namespace kt913
