// SPDX-License-Identifier: GPL-3.0-or-later
#include "BandTable.h"

namespace kt913 {
namespace {
const BandVariant kBands[kBandCount] = {
    {"A:136-174MHz B:400-470MHz", 136, 174, 400, 470, "155.000", "435.000", 1},
    {"A:136-174MHz B:470-520MHz", 136, 174, 470, 520, "155.000", "495.000", 1},
    {"A:144-148MHz B:430-440MHz", 144, 148, 430, 440, "146.000", "435.000", 0},
    {"A:136-174MHz B:245-250MHz", 136, 174, 245, 250, "155.000", "247.000", 0},
};
}

const BandVariant &bandVariant(int index)
{
    return kBands[index >= 0 && index < kBandCount ? index : 0];
}

QStringList bandListItems()
{
    QStringList l;
    for (const BandVariant &b : kBands)
        l << QString::fromLatin1(b.text);
    return l;
}

} // namespace kt913
