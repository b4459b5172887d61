// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the sample data file: kt913-make-sample OUT.dat
#include "SampleRadio.h"
#include "image/DatFile.h"
#include "image/ImageCodec.h"
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kt913-make-sample OUT.dat\n");
        return 2;
    }
    kt913::RadioModel model;
    kt913::test::fillSampleRadio(model);
    kt913::EncodeImage(model);
    const auto r = kt913::writeDatFile(QString::fromLocal8Bit(argv[1]), model.outputImage());
    if (!r.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(r.detail));
        return 1;
    }
    return 0;
}
