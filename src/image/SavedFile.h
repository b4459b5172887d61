// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Putting a whole file in place of another in one step: the bytes go to a temporary
// file that is renamed over the target only once every byte has reached it, so that a
// full disk, a size limit or a crash never leaves a cut file where a good one was.
#include <QByteArray>
#include <QString>

namespace kt913 {

// Returns an empty string on success, else the reason (the system's text where it
// gave one).
QString saveWholeFile(const QString &path, const QByteArray &bytes);

} // namespace kt913
