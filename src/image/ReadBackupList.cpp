// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadBackupList.h"
#include <QDir>
#include <QRegularExpression>
#include <algorithm>
#include <vector>

namespace kt913 {

QStringList readBackupsOldestFirst(const QString &folder)
{
    static const QRegularExpression pattern(QStringLiteral("^read-(\\d{8}-\\d{6})(?:-(\\d+))?\\.dat$"));
    struct Backup {
        QString file, time;
        int suffix; // a plain name is the first of its second
    };
    std::vector<Backup> found;
    for (const QString &file : QDir(folder).entryList({QStringLiteral("read-*.dat")}, QDir::Files)) {
        const QRegularExpressionMatch m = pattern.match(file);
        if (m.hasMatch())
            found.push_back({file, m.captured(1), m.captured(2).toInt()});
    }
    std::sort(found.begin(), found.end(), [](const Backup &a, const Backup &b) {
        return a.time != b.time ? a.time < b.time : a.suffix < b.suffix;
    });
    QStringList files;
    for (const Backup &b : found)
        files << b.file;
    return files;
}

QString newestReadBackup(const QString &folder)
{
    const QStringList backups = readBackupsOldestFirst(folder);
    return backups.isEmpty() ? QString() : QDir(folder).filePath(backups.last());
}

} // namespace kt913
