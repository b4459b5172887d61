// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the text boxes of the optional features, DTMF and FM windows accept and what
// leaving them does to their text, as pure functions: the widgets only collect keys and
// focus changes and hand them here. The frequency boxes reuse frequencyKey.
#include "BandTable.h"
#include <QChar>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace kt913 {

// Most characters each box takes (its maximum text length).
// Optional features: channel numbers (Text6, Text2) hold 1..64 and a typed leading zero.
constexpr int kChannelNumberBoxLength = 3;
// VFO frequency (Text20, Text3): DDD.DDDDD.
constexpr int kVfoFrequencyBoxLength = 9;
// VFO offset (Text21, Text4): at most 99.99500 once corrected.
constexpr int kOffsetBoxLength = 8;
// Power-on text (Text31) and the power-on password (Text1): what the radio's record holds.
constexpr int kPowerOnTextBoxLength = 6;
constexpr int kPasswordBoxLength = 4;
// DTMF: ANI start and end codes (Text2, Text4) and the auto-dial memories (Text1(i)).
constexpr int kDtmfCodeBoxLength = 16;
// DTMF: own code (Text3).
constexpr int kDtmfOwnCodeBoxLength = 8;

// Key filters in the shape of KeyFilter: the character the box takes for a typed one,
// or a null QChar when the box refuses it.
// Digits only: the channel numbers and the password.
QChar digitKey(QChar c);
// The power-on text: a..z become capitals, then digits, A-Z, "*", "#" and "-" are what
// the radio's display can show.
QChar powerOnTextKey(QChar c);
// DTMF codes: a..z become capitals, then only the sixteen symbols a DTMF keypad can
// send: digits, A, B, C, D, "*" and "#".
QChar dtmfKey(QChar c);

// A channel number box while the user types: a value above 64 becomes "64" at once,
// anything else stays as typed (so an unfinished "0" or "" is not disturbed).
QString channelNumberWhileTyping(const QString &text);
// A channel number box when the user leaves it: the integer part of its value without
// leading zeros; below 1 (an empty box too) empties the box. A text above 64 that did
// not come through typing becomes "64" as well, so the box never keeps a channel the
// radio does not have.
QString channelNumberOnLeave(const QString &text);

// A VFO frequency box when the user leaves it: a value within either range of the band
// (lower limits included, upper excluded) is snapped onto the channel raster and shown
// as "0.00000"; anything else becomes "136.00000". A text that is no number counts as
// its leading number, an empty one as 0.
QString vfoFrequencyOnLeave(const QString &text, const BandState &band);

// A VFO offset box when the user leaves it: at most 99.995 MHz, snapped onto the
// channel raster and shown as "0.00000".
QString offsetOnLeave(const QString &text);

// Leaving an FM frequency box (a grid cell's editor or the FM VFO box).
struct FmEntry {
    enum Outcome {
        Empty,      // an empty box: the channel or VFO becomes empty
        Accepted,   // 87 <= value <= 107.9: `text` is what the box and the cell show
        OutOfRange, // a number outside that range: the caller tells the user and empties the box
        NotANumber, // e.g. two decimal points: the caller keeps the old value
    } outcome = Empty;
    QString text;
};
FmEntry fmFrequencyOnLeave(const QString &text);

// The FM window's present channel as OK stores it: the text as an integer (a decimal
// rounds to the nearest, a half to the even one). A text that is no number, or a value
// beyond 16 bits, gives nothing and the caller keeps the previous channel. Values
// outside 1..25 pass through as they are.
std::optional<qint16> presentChannelFromText(const QString &text);

} // namespace kt913
