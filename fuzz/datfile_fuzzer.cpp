// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes opened as a data file decode and encode without undefined
// behaviour, and what Save then writes is stable: opening and saving it again gives the
// same bytes. Build with -DKT913_FUZZ=ON and clang.
#include "FreshModel.h"
#include "image/DatFile.h"
#include "image/ImageCodec.h"
#include <QByteArray>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// Open and Save in a freshly started program.
QByteArray openAndSave(kt913::FreshModel &fresh, const QByteArray &file, bool *opened)
{
    kt913::RadioModel &model = fresh.reset();
    *opened = kt913::fromDatBytes(file, model.memoryImageToFill()).ok();
    if (!*opened)
        return {};
    kt913::DecodeImage(model);
    kt913::EncodeImage(model);
    return kt913::toDatBytes(model.outputImage());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static kt913::FreshModel fresh;
    bool opened = false;
    const QByteArray first = openAndSave(fresh, QByteArray(reinterpret_cast<const char *>(data), int(size)), &opened);
    if (!opened)
        return 0;
    if (first.size() != kt913::kDatFileSize) {
        std::fprintf(stderr, "Save wrote %d bytes\n", int(first.size()));
        std::abort();
    }
    const QByteArray second = openAndSave(fresh, first, &opened);
    if (!opened || second != first) {
        std::fprintf(stderr, "a second Open and Save changed the file\n");
        std::abort();
    }
    return 0;
}
