// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ProtocolFrames.h"
#include "image/Converters.h"

namespace kt913::frames {

namespace {
constexpr char kHexDigits[] = "0123456789ABCDEF";
const QString kAckText = QStringLiteral("06");
const QString kModelText = QStringLiteral("485850343137"); // "HXP417"

QByteArray addressedHeader(char command, int address)
{
    QByteArray frame;
    frame.append(command);
    frame.append(char((address >> 8) & 0xFF));
    frame.append(char(address & 0xFF));
    frame.append(char(kBlockSize));
    return frame;
}
} // namespace

QByteArray handshake()
{
    return QByteArrayLiteral("PROGRAM");
}

QByteArray readRequest(int address)
{
    return addressedHeader(kRead, address);
}

QByteArray writeFrame(const Image &image, int address)
{
    QByteArray frame = addressedHeader(kWrite, address);
    for (int i = 0; i < kBlockSize; ++i) {
        const int a = address + i;
        frame.append(a >= 0 && a < kImageSize ? char(image[std::size_t(a)]) : char(0));
    }
    return frame;
}

void appendHex(QString &rxHex, const QByteArray &bytes)
{
    rxHex.reserve(rxHex.size() + 2 * bytes.size());
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        rxHex.append(QLatin1Char(kHexDigits[b >> 4]));
        rxHex.append(QLatin1Char(kHexDigits[b & 0x0F]));
    }
    if (rxHex.size() <= kReceptionTextLimit)
        return;
    // Keep the later half. An acknowledge in the dropped part, or straddling the cut,
    // stays visible as a leading "06"; the exact-length tests fail before and after.
    const int keep = kReceptionTextLimit / 2;
    const int cut = int(rxHex.size()) - keep;
    const bool acknowledgeDropped = QStringView(rxHex).left(cut + 1).contains(kAckText);
    rxHex.remove(0, cut);
    if (acknowledgeDropped)
        rxHex.prepend(kAckText);
}

bool containsAcknowledge(const QString &rxHex)
{
    return rxHex.contains(kAckText);
}

bool isAcknowledge(const QString &rxHex)
{
    return rxHex == kAckText;
}

bool isIdentification(const QString &rxHex)
{
    return rxHex.size() == 16 && rxHex.startsWith(kModelText);
}

bool isDataFrame(const QString &rxHex)
{
    return rxHex.size() == 2 * kDataFrameSize && rxHex.startsWith(QLatin1String("57"));
}

std::uint8_t dataByte(const QString &rxHex, int i)
{
    const int at = 8 + 2 * i;
    return std::uint8_t(hexDigitValue(rxHex.at(at)) * 16 + hexDigitValue(rxHex.at(at + 1)));
}

int bandCode(const QString &rxHex)
{
    if (rxHex.size() < 14)
        return 0;
    const QChar first = rxHex.at(12), second = rxHex.at(13);
    if (!first.isDigit())
        return 0;
    if (!second.isDigit())
        return first.digitValue();
    return first.digitValue() * 10 + second.digitValue();
}

} // namespace kt913::frames
