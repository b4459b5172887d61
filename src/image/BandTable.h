// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Language.h"
#include <QString>
#include <QStringList>

namespace kt913 {

// The radio's band variants (the main window's band list).
struct BandVariant {
    const char *text;          // list item, the same in both languages
    qint16 low1, high1, low2, high2; // accepted ranges in whole MHz, upper limits excluded
    const char *vfoAFrequency; // VFO defaults that selecting the band writes
    const char *vfoBFrequency;
    int vfoBandwidth;          // 1 wide, 0 narrow
};

constexpr int kBandCount = 4;
const BandVariant &bandVariant(int index); // index 0..3
QStringList bandListItems();

// The band state the channel editor and the VFO boxes check frequencies against.
struct BandState {
    qint16 BandGroup = 1; // group shown in the channel editor: 1 = A, 2 = B
    qint16 BandIndex = 0; // band selection last accepted
    qint16 BandLow1 = 136, BandHigh1 = 174, BandLow2 = 400, BandHigh2 = 470;

    bool accepts(double mhz) const
    {
        return (BandLow1 <= mhz && mhz < BandHigh1) || (BandLow2 <= mhz && mhz < BandHigh2);
    }
};

} // namespace kt913
