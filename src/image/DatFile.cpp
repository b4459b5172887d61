// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatFile.h"
#include "SavedFile.h"
#include <QFile>

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
    const QString why = saveWholeFile(path, toDatBytes(image));
    if (!why.isEmpty())
        return {DatResult::IoError, why};
    return {};
}

} // namespace kt913
