// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The toolbar's pictures, drawn by the program itself at run time.
#include <QIcon>
#include <QString>

namespace kt913 {

// The picture of toolbar button `key` ("TNew" ... "TFMMa"); a null icon for other keys.
QIcon toolbarIcon(const QString &key);

} // namespace kt913
