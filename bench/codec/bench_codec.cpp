// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding and encoding a whole image: what Open, Save, a read and a write pay.
#include "image/ImageCodec.h"
#include "support/SampleRadio.h"
#include <QCoreApplication>
#include <benchmark/benchmark.h>

using namespace kt913;

static void DecodePlusEncode(benchmark::State &state)
{
    const Image image = test::sampleImage();
    RadioModel m;
    for (auto _ : state) {
        m.setMemoryImage(image);
        DecodeImage(m);
        EncodeImage(m);
        benchmark::DoNotOptimize(m.outputImage());
    }
}
BENCHMARK(DecodePlusEncode)->Unit(benchmark::kMicrosecond);

static void Decode(benchmark::State &state)
{
    const Image image = test::sampleImage();
    RadioModel m;
    for (auto _ : state) {
        m.setMemoryImage(image);
        DecodeImage(m);
    }
}
BENCHMARK(Decode)->Unit(benchmark::kMicrosecond);

static void Encode(benchmark::State &state)
{
    RadioModel m;
    test::fillSampleRadio(m);
    for (auto _ : state) {
        EncodeImage(m);
        benchmark::DoNotOptimize(m.outputImage());
    }
}
BENCHMARK(Encode)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
