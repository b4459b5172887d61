// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadBackups.h"
#include "DatFile.h"
#include "ReadBackupList.h"
#include <QDir>
#include <QStandardPaths>

namespace kt913 {

QString defaultBackupFolder()
{
    // The generic location, so that the program and the command line, whose names
    // differ, keep their backups in the one folder.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data.isEmpty() ? QString() : QDir(data).filePath(QStringLiteral("kt913/backups"));
}

QString backupFailedText(Language lang, const QString &reason)
{
    return textIn(lang, "读频成功，但备份未能保存：%1", KT913_TR("MDIForm1", "The read succeeded, but its backup could not be kept: %1"))
        .arg(reason);
}

BackupResult keepReadBackup(const QString &folder, const Image &memory, const QDateTime &when, int keep)
{
    BackupResult result;
    if (folder.isEmpty()) {
        result.error = QStringLiteral("no folder for backups");
        return result;
    }
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        result.error = QStringLiteral("cannot create %1").arg(QDir::toNativeSeparators(folder));
        return result;
    }
    const QString stem = QStringLiteral("read-") + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = stem + QStringLiteral(".dat");
    for (int n = 2; dir.exists(name); ++n)
        name = QStringLiteral("%1-%2.dat").arg(stem).arg(n);
    const QString path = dir.filePath(name);
    const DatResult written = writeDatFile(path, memory);
    if (!written.ok()) {
        result.error = written.detail;
        return result;
    }
    result.ok = true;
    result.path = path;

    const QStringList backups = readBackupsOldestFirst(folder);
    for (int i = 0; i + keep < backups.size(); ++i)
        dir.remove(backups[i]);
    return result;
}

} // namespace kt913
