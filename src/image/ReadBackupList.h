// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding the backups kept of reads (see ReadBackups.h).
#include <QString>

namespace kt913 {

// The newest read backup in `folder` (by the time in its name, then its suffix), or ""
// when there is none.
QString newestReadBackup(const QString &folder);

} // namespace kt913
