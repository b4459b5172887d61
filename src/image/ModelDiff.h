// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What differs between two radios' contents, named as the windows name it: channels by
// row label and number and the channel grid's column header, every other value by the
// captions of its window, frames and control, both values as the windows show them.
#include "Language.h"
#include "RadioModel.h"
#include <QList>
#include <QString>

namespace kt913 {

struct ModelDifference {
    QString where; // "A12 (12)", or the window and the frames the control stands in
    QString field; // the column header or the control's caption
    QString before, after;
    int channel = 0; // 1..128 for a memory channel's field, 0 for every other value
};

// Every channel field, setting, FM value and alignment value in which `b` differs from
// `a`, channels first, then the windows in menu order. Both models are read in `lang`;
// their channel texts are those of the language they were decoded in, so decode both
// in `lang`.
QList<ModelDifference> compareModels(const RadioModel &a, const RadioModel &b, Language lang);

// How many memory channels and how many other values (settings, FM, alignment values)
// differ: "12 channels and 3 settings differ", "12 个信道和 3 项设置不同", or that nothing does.
QString differenceSummary(const QList<ModelDifference> &differences, Language lang);

// One difference as a line: "A12 (12), RX Fre: 145.50000 -> 146.00000".
QString differenceLine(const ModelDifference &d, Language lang);

} // namespace kt913
