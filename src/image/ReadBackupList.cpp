// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadBackupList.h"
#include <QDir>
#include <QRegularExpression>

namespace kt913 {

QString newestReadBackup(const QString &folder)
{
    static const QRegularExpression pattern(QStringLiteral("^read-(\\d{8}-\\d{6})(?:-(\\d+))?\\.dat$"));
    const QDir dir(folder);
    QString newest, newestTime;
    int newestSuffix = -1;
    for (const QString &file : dir.entryList({QStringLiteral("read-*.dat")}, QDir::Files)) {
        const QRegularExpressionMatch m = pattern.match(file);
        if (!m.hasMatch())
            continue;
        const QString time = m.captured(1);
        const int suffix = m.captured(2).toInt(); // a plain name is the first of its second
        if (newest.isEmpty() || time > newestTime || (time == newestTime && suffix > newestSuffix)) {
            newest = dir.filePath(file);
            newestTime = time;
            newestSuffix = suffix;
        }
    }
    return newest;
}

} // namespace kt913
