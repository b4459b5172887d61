// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding the backups kept of reads (see ReadBackups.h).
#include <QString>
#include <QStringList>

namespace kt913 {

// The file names of the read backups in `folder`, oldest first: by the time in the name
// ("read-YYYYMMDD-HHMMSS.dat"), then by the suffix a second read in the same second
// gets ("read-YYYYMMDD-HHMMSS-2.dat"). Other files, however named, are not listed.
QStringList readBackupsOldestFirst(const QString &folder);

// The newest read backup in `folder` as a path, or "" when there is none.
QString newestReadBackup(const QString &folder);

} // namespace kt913
