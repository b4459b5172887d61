// SPDX-License-Identifier: GPL-3.0-or-later
// What `kt913-cli print` costs on a full radio, measured in-process.
#include "cli/PrintCommand.h"
#include "image/DatFile.h"
#include "image/ImageCodec.h"
#include "support/SampleRadio.h"
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace kt913;

namespace {

// Every channel of both groups in use, with a name of full length.
QString fullRadioFile(const QTemporaryDir &dir)
{
    RadioModel m;
    test::fillSampleRadio(m);
    for (int n = 1; n <= 128; ++n) {
        const QByteArray rx = QByteArray::number(n <= 64 ? 144.0 + n * 0.025 : 430.0 + n * 0.025, 'f', 5);
        const QByteArray name = "CH" + QByteArray::number(n).rightJustified(6, '0');
        test::putChannel(m, {n, rx.constData(), rx.constData(), nullptr, "88.5", 1, 1, 1, 1, 1, name.constData()});
    }
    EncodeImage(m);
    const QString path = dir.filePath("full.dat");
    writeDatFile(path, m.outputImage());
    return path;
}

void PrintFullRadio(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString in = fullRadioFile(dir), out = dir.filePath("report.pdf");
    QString sink;
    QTextStream text(&sink);
    cli::Context ctx{text, text, Language::English, false, QString()};
    ctx.lang = state.range(0) ? Language::Chinese : Language::English;
    for (auto _ : state) {
        if (cli::PrintCommand().run({in, "-o", out}, ctx) != cli::ExitOk)
            state.SkipWithError("print failed");
    }
}
BENCHMARK(PrintFullRadio)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
