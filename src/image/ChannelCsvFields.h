// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The field conventions shared by writing and reading channel CSV rows.
#include <QString>
#include <optional>

namespace kt913::csvfield {

// Column positions in channelCsvColumns().
enum Column {
    Location, Name, Frequency, Duplex, Offset, Tone, RToneFreq, CToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode,
    CrossMode, Mode, TStep, Skip, Power, Comment, UrCall, Rpt1Call, Rpt2Call, DvCode, BusyLock, Scramble,
    ColumnCount
};

// The format's values for tone columns a row does not use.
inline const char *kDefaultCtcss = "88.5";
inline const char *kDefaultDcs = "023";
inline const char *kDefaultPolarity = "NN";
inline const char *kDefaultCrossMode = "Tone->Tone";

// A shift of 70 MHz or more is written as the transmit frequency itself ("split").
constexpr qint64 kSplitFrom = 7000000; // in 10 Hz

// A frequency in 10 Hz units, from MHz text ("146.52", "146.520000", "145.67500");
// nothing when the text is no plain decimal number.
std::optional<qint64> parseMHz(const QString &text);
// 10 Hz units as MHz with six decimals, the format's own form.
QString formatMHz(qint64 units);
// 10 Hz units as the grid's DDD.DDDDD text.
QString frequencyText(qint64 units);

// A tone text of the tables split into its kind: "67.0" CTCSS, "D023N" / "D023I" DCS.
struct ToneParts {
    enum Kind { None, Ctcss, Dcs } kind = None;
    QString ctcss;       // "67.0"
    QString code;        // "023"
    bool inverted = false;
};
ToneParts splitTone(const QString &text); // "" gives None

} // namespace kt913::csvfield
