// libFuzzer target: any bytes opened as a data file must decode and encode without
// undefined behaviour. Build with -DKT913_FUZZ=ON and clang.
#include "image/DatFile.h"
#include "image/ImageCodec.h"
#include <QByteArray>
#include <QCoreApplication>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    kt913::RadioModel model;
    if (!kt913::fromDatBytes(QByteArray(reinterpret_cast<const char *>(data), int(size)), model.memoryImage).ok())
        return 0;
    kt913::DecodeImage(model);
    kt913::EncodeImage(model);
    return 0;
}
