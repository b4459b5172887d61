// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every successful read is also kept exactly as the radio sent it (alignment values
// included), in a folder of backups: a radio's configuration cannot be made again once
// it is lost, and a read is the one moment the program holds all of it.
#include "Image.h"
#include "Language.h"
#include <QDateTime>
#include <QString>

namespace kt913 {

constexpr int kBackupsKept = 100;

// "kt913/backups" in the user's data location (~/.local/share/kt913/backups on Linux).
QString defaultBackupFolder();

struct BackupResult {
    bool ok = false;
    QString path;   // the file written
    QString error;  // why nothing was written
};

// Writes `memory` as a data file named read-YYYYMMDD-HHMMSS.dat (a suffix "-2", "-3"
// keeps two reads of one second apart) in `folder`, made if needed, then removes the
// oldest backups beyond `keep`. Only files named like backups are ever removed.
// What the front ends say when a backup could not be kept (the read itself succeeded).
QString backupFailedText(Language lang, const QString &reason);

BackupResult keepReadBackup(const QString &folder, const Image &memory, const QDateTime &when,
                            int keep = kBackupsKept);

} // namespace kt913
