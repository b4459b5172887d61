// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatFile.h"
#include <QFile>
#include <QSaveFile>

namespace kt913 {
namespace {
const char kIdentifier[] = "HXW417";
const char kVersion[] = "V0100";
}

QByteArray datHeader()
{
    QByteArray h(kDatHeaderSize, char(0xFF));
    std::copy(kIdentifier, kIdentifier + 6, h.begin());
    std::copy(kVersion, kVersion + 5, h.begin() + 10);
    return h;
}

QByteArray toDatBytes(const Image &image)
{
    QByteArray bytes = datHeader();
    bytes.append(reinterpret_cast<const char *>(image.data()), kImageSize);
    return bytes;
}

DatResult fromDatBytes(const QByteArray &bytes, Image &image)
{
    // The version text and filler are not examined: any file that carries the
    // identifier and a whole image is accepted.
    if (!bytes.startsWith(QByteArray(kIdentifier, 6)))
        return {DatResult::WrongType, QString()};
    // Cut short (an interrupted copy or download): the missing bytes would be guesses.
    if (bytes.size() < kDatFileSize)
        return {DatResult::Incomplete, QString()};
    std::copy(bytes.constBegin() + kDatHeaderSize, bytes.constBegin() + kDatFileSize,
              reinterpret_cast<char *>(image.data()));
    return {};
}

DatResult readDatFile(const QString &path, Image &image)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {DatResult::IoError, file.errorString()};
    // Read one byte more than a data file holds: enough to judge it, and a huge file
    // chosen by mistake is never loaded whole.
    const QByteArray bytes = file.read(kDatFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return {DatResult::IoError, file.errorString()};
    return fromDatBytes(bytes, image);
}

DatResult writeDatFile(const QString &path, const Image &image)
{
    QSaveFile file(path);
    // Unbuffered: a buffered write that the disk takes only in part (full, or over a size
    // limit) is dropped silently at commit, which then puts the cut file in place of the
    // good one and reports success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {DatResult::IoError, file.errorString()};
    const QByteArray bytes = toDatBytes(image);
    const qint64 written = file.write(bytes);
    if (written != bytes.size()) {
        const QString why = file.error() != QFileDevice::NoError
            ? file.errorString()
            : QStringLiteral("only %1 of %2 bytes could be written").arg(qMax<qint64>(written, 0)).arg(bytes.size());
        file.cancelWriting();
        return {DatResult::IoError, why};
    }
    if (!file.commit())
        return {DatResult::IoError, file.errorString()};
    return {};
}

} // namespace kt913
