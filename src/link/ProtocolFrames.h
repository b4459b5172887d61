// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frames of the programming protocol and the tests the program applies to what the
// radio sends back. Replies are judged as text: every received byte becomes two
// uppercase hexadecimal digits of the reception text RxHex.
#include "image/Image.h"
#include <QByteArray>
#include <QString>

namespace kt913::frames {

constexpr int kSteps = 196;        // steps of a read or a write transfer
constexpr int kBlockSize = 16;     // bytes of a read or write block
constexpr int kDataFrameSize = 20; // "W", address high, address low, length, 16 bytes
constexpr char kIdentify = 0x02;
constexpr char kAcknowledge = 0x06;
constexpr char kEnd = 0x45; // "E"
constexpr char kRead = 0x52;  // "R"
constexpr char kWrite = 0x57; // "W"

QByteArray handshake(); // "PROGRAM"
// "R", address high, address low, 10.
QByteArray readRequest(int address);
// "W", address high, address low, 10, then the 16 image bytes from address upward;
// bytes past the end of the image are sent as zeros.
QByteArray writeFrame(const Image &image, int address);

// Appends bytes to a reception text as two uppercase hexadecimal digits each. A text
// that passes no test but "contains 06" any more (longer than kReceptionTextLimit) is
// shortened to one that every test judges the same, so that a device chattering on the
// port for hours cannot grow it without end.
void appendHex(QString &rxHex, const QByteArray &bytes);
constexpr int kReceptionTextLimit = 4096;

// "06" anywhere in the text, also across a byte boundary (the bytes 10 60).
bool containsAcknowledge(const QString &rxHex);
// The text is exactly one acknowledge.
bool isAcknowledge(const QString &rxHex);
// "HXP417", band byte, one more byte: exactly 16 characters.
bool isIdentification(const QString &rxHex);
// "W" first and exactly 40 characters; address and length are not examined.
bool isDataFrame(const QString &rxHex);
// Data byte i (0..15) of a data frame held in rxHex.
std::uint8_t dataByte(const QString &rxHex, int i);

// The band code of an identification: characters 13 and 14 read as a decimal number the
// way the original did: two digits give their value ("12" gives 12), a digit and a
// letter give the digit ("1A" gives 1), a letter first gives 0 ("A0").
int bandCode(const QString &rxHex);

} // namespace kt913::frames
