// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small pure converters between the radio's byte encodings and the texts the
// windows show. Names follow the program's long-standing routine names.
#include "Language.h"
#include <QString>
#include <cstdint>

namespace kt913 {

// Text without any character of code 0xFF.
QString StripFF(const QString &text);

// Floors a "0.00000"-formatted frequency onto the nearer-below point of the 5 kHz or
// 6.25 kHz raster within each 100 kHz (435.12345 -> 435.12, 145.00625 stays).
double SnapFrequency(const QString &text);
// SnapFrequency of text formatted "0.00000", written back formatted "0.00000".
QString snapFrequencyText(const QString &text);

// One BCD byte of a DDD.DDDDD text, k = 1 (MHz hundreds/tens) .. 4 (last two decimals).
int FrequencyByte(const QString &text, int k);

// Four hex digits of a tone text, low byte first ("67.0" -> "7006", "D023N" -> "2380").
QString ToneCode(const QString &text);

// The value of one hex digit, either case; any other character counts as 0.
int hexDigitValue(QChar c);
// Hex text of any length to its value; non-hex characters count as 0.
std::uint64_t HexToNumber(const QString &hex);

// Two decimals, the second 0 or 5 (12.37 -> 12.35, 100 -> 100.00).
QString FormatFmFrequency(const QString &text);

// Index of a tone text in the 265-entry tone list; 0 (off) when not found.
int FindToneIndex(const QString &text, Language lang);

// --- number helpers with the classic BASIC semantics the file format grew up with ---
// Leading number of a text ("12.5abc" -> 12.5, "abc" -> 0), ignoring leading blanks.
double leadingNumber(const QString &text);
// Whether the whole text is a number (what a frequency box accepts).
bool isNumeric(const QString &text);
// Formats with a fixed number of decimals and at least intDigits integer digits,
// rounding half away from zero ("0.00000" is (v, 1, 5), "000.00000" is (v, 3, 5)).
QString formatFixed(double value, int intDigits, int decimals);

// --- field codecs ---
QString decodeFrequency(const std::uint8_t *bytes);                // 4 bytes -> DDD.DDDDD
void encodeFrequency(const QString &text, std::uint8_t *bytes);    // DDD.DDDDD -> 4 bytes
QString decodeOffset(const std::uint8_t *bytes);                   // 4 bytes -> "0.00000"
void encodeOffset(const QString &text, std::uint8_t *bytes);       // formatted "000.00000" first
QString decodeTone(std::uint8_t b0, std::uint8_t b1);              // CTCSS / DCS text
void encodeTone(const QString &text, std::uint8_t *bytes);         // 2 bytes, low first
QString decodeFm(std::uint8_t hi, std::uint8_t lo);                // "" when none or above 108 MHz
// Writes the FM value (f - 87) * 10, rounded half to even in decimal; an empty,
// unparsable or out-of-range text writes FF FF. Returns whether a value was written.
bool encodeFm(const QString &text, std::uint8_t *bytes);

} // namespace kt913
