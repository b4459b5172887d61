// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The .dat data file: a 48-byte header ("HXW417", FF filler, "V0100", FF filler) and
// the 3072 image bytes in address order.
#include "Image.h"
#include <QByteArray>
#include <QString>

namespace kt913 {

constexpr int kDatHeaderSize = 48;
constexpr int kDatFileSize = kDatHeaderSize + kImageSize; // 3120

struct DatResult {
    enum Status { Ok, WrongType, Incomplete, IoError };
    Status status = Ok;
    QString detail; // the system's error text for IoError
    bool ok() const { return status == Ok; }
};

QByteArray datHeader();
QByteArray toDatBytes(const Image &image);
// Parses file contents: a file whose first six bytes are not the identifier is the
// wrong type; one that carries it but is shorter than a whole data file is incomplete.
DatResult fromDatBytes(const QByteArray &bytes, Image &image);

// Reads a data file. On any failure `image` is left untouched.
DatResult readDatFile(const QString &path, Image &image);
// Writes a data file through a temporary file renamed over the target, so that an
// interrupted save never destroys the previous file.
DatResult writeDatFile(const QString &path, const Image &image);

} // namespace kt913
