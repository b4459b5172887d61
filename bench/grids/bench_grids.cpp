// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a data file whose 128 channels are all in use, and drawing both channel grids
// as the channel editor shows them: decode, the grid models' announcements, and a full
// paint of each grid into an image.
#include "editors/ChannelGrid.h"
#include "editors/ChannelEditor.h"
#include "image/DatFile.h"
#include "image/ImageCodec.h"
#include "shell/FileCommands.h"
#include "shell/MainWindow.h"
#include "shell/SettingStore.h"
#include "support/SampleRadio.h"
#include "widgets/MessageBox.h"
#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace kt913;

namespace {

// Every channel in use, each with a name and tones, so that no cell is left empty.
QString writeFullFile(const QTemporaryDir &dir)
{
    RadioModel m;
    for (int n = 1; n <= map::kChannelCount; ++n) {
        const QByteArray rx = QByteArray::number(n <= 64 ? 144.0 + n * 0.0125 : 430.0 + n * 0.025, 'f', 5);
        const QByteArray name = "CH" + QByteArray::number(n);
        test::putChannel(m, {n, rx.constData(), rx.constData(), "88.5", "D023N", 1, 1, 1, 1, 1, name.constData()});
    }
    EncodeImage(m);
    const QString path = dir.filePath(QStringLiteral("full.dat"));
    writeDatFile(path, m.outputImage());
    return path;
}

void BM_OpenAndDrawBothGrids(benchmark::State &state)
{
    QTemporaryDir dir;
    IniSettingStore settings(dir.filePath(QStringLiteral("settings.ini")));
    MainWindow::Options options;
    options.settings = &settings;
    options.listPorts = [] { return QStringList(); };
    MainWindow w(std::move(options));
    w.load();
    w.resize(1024, 768);
    w.show();
    const QString path = writeFullFile(dir);
    ChannelGrid *grids[2] = {w.channelEditor()->grid(1), w.channelEditor()->grid(2)};
    for (ChannelGrid *g : grids)
        g->resize(grids[0]->size());
    QImage canvas(grids[0]->size(), QImage::Format_ARGB32_Premultiplied);

    const bool draw = state.range(0) != 0;
    for (auto _ : state) {
        if (!w.fileCommands().openFile(path))
            state.SkipWithError("the file did not open");
        for (ChannelGrid *g : grids) {
            if (!draw)
                break;
            // Every row, not only the visible page: the grid is drawn in pages of its
            // own height until the last row has been painted.
            for (int top = 1; top <= 64; top += qMax(1, g->viewport()->height() / g->rowHeight(0))) {
                g->setTopRow(top);
                g->render(&canvas);
            }
        }
        benchmark::DoNotOptimize(canvas.constBits());
    }
}
// Argument 0: the file opened only; 1: opened and both grids drawn in full.
BENCHMARK(BM_OpenAndDrawBothGrids)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The program's questions must not wait for a person here.
    setMessageAnswerer([](const MessageRequest &) { return int(mbResult::Ok); });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
