// SPDX-License-Identifier: GPL-3.0-or-later
#include "SavedFile.h"
#include <QSaveFile>

namespace kt913 {

QString saveWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered: a buffered write that the disk takes only in part is dropped silently
    // at commit, which then puts the cut file in place of the good one and reports
    // success. Written directly, a short write shows in the count.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    const qint64 written = file.write(bytes);
    if (written != bytes.size()) {
        const QString why = file.error() != QFileDevice::NoError
            ? file.errorString()
            : QStringLiteral("only %1 of %2 bytes could be written").arg(qMax<qint64>(written, 0)).arg(bytes.size());
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace kt913
