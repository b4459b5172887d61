// SPDX-License-Identifier: GPL-3.0-or-later
// One kt913-cli write to one paced radio against the same write to N paced radios at
// once (--baud: every byte takes its 9600-baud line time). Writing several radios from
// one event loop should cost about the time of one.
//
//   bench_many_radios [--radios N]     (target: N radios within 10 % of one)
#include "image/DatFile.h"
#include "image/MemoryMap.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct Radio {
    QProcess process;
    QString device;
    Radio()
    {
        process.start(QStringLiteral(KT913_BINARY_DIR "/src/radio/kt913-radio"), {"--exit-with-parent", "--baud"});
        process.waitForStarted(10000);
        while (!process.canReadLine() && process.waitForReadyRead(10000)) {
        }
        device = QString::fromLocal8Bit(process.readLine()).trimmed();
    }
    ~Radio()
    {
        process.terminate();
        process.waitForFinished(5000);
    }
};

// Milliseconds of one kt913-cli write to the given radios; -1 when it failed.
qint64 timedWrite(const QString &file, const std::vector<std::unique_ptr<Radio>> &radios)
{
    QStringList args{"write"};
    for (const auto &r : radios)
        args << "--port" << r->device;
    args << file;
    QProcess cli;
    QElapsedTimer clock;
    clock.start();
    cli.start(QStringLiteral(KT913_BINARY_DIR "/src/cli/kt913-cli"), args);
    if (!cli.waitForFinished(60000) || cli.exitCode() != 0)
        return -1;
    return clock.elapsed();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int count = qMax(2, args.value(args.indexOf("--radios") + 1, "2").toInt());

    QTemporaryDir dir;
    // An empty radio of band 0, the band the emulated radio reports.
    const QString file = dir.filePath("empty.dat");
    kt913::Image image = kt913::filledImage(0xFF);
    image[kt913::map::kBandVariant] = 0;
    if (!kt913::writeDatFile(file, image).ok()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return 1;
    }

    std::vector<std::unique_ptr<Radio>> radios;
    for (int i = 0; i < count; ++i)
        radios.push_back(std::make_unique<Radio>());
    std::vector<std::unique_ptr<Radio>> one;
    one.push_back(std::move(radios.back()));
    radios.pop_back();
    const qint64 single = timedWrite(file, one);
    radios.push_back(std::move(one.front()));
    const qint64 many = timedWrite(file, radios);
    if (single < 0 || many < 0) {
        std::fprintf(stderr, "a write failed\n");
        return 1;
    }
    std::printf("one radio: %lld ms\n%d radios at once: %lld ms (%.2f x one)\n", static_cast<long long>(single), count,
                static_cast<long long>(many), double(many) / double(single));
    return double(many) <= 1.10 * double(single) ? 0 : 1;
}
