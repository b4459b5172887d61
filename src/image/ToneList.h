// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Language.h"
#include <QStringList>

namespace kt913 {

constexpr int kToneCount = 265;      // off, 50 CTCSS, 107 DCS normal, 107 DCS inverted
constexpr int kCtcssCount = 50;
constexpr int kDcsCount = 107;

// The tone vocabulary in list order; only item 0 ("关闭" / "Off") depends on the language.
const QStringList &toneList(Language lang);
QString offText(Language lang);

} // namespace kt913
