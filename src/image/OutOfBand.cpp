// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutOfBand.h"
#include "Converters.h"

namespace kt913 {

bool frequencyOutsideBand(const QString &frequency, const BandState &band)
{
    return !frequency.isEmpty() && !band.accepts(leadingNumber(frequency));
}

QList<int> channelsOutsideBand(const ChannelTables &tables, const BandState &band)
{
    QList<int> outside;
    for (int n = 1; n <= map::kChannelCount; ++n)
        if (tables.isUsed(n) && (frequencyOutsideBand(tables.freqTexts()[0][n - 1], band) ||
                                 frequencyOutsideBand(tables.freqTexts()[1][n - 1], band)))
            outside << n;
    return outside;
}

QString outsideBandNote(Language lang)
{
    return textIn(lang, "超出对讲机的频段", KT913_TR("Form1", "outside the radio's band"));
}

} // namespace kt913
