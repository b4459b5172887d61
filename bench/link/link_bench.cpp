// SPDX-License-Identifier: GPL-3.0-or-later
// Whole transfers against kt913-radio, timed. With --baud the radio holds every byte
// for its 9600-baud line time (10 bits) in both directions, so the protocol's floor is
// the line time of the bytes exchanged; the program's own turnaround is what exceeds it.
// Without pacing, a read shows what the program costs on a pseudo-terminal.
//
//   bench_link [--runs N]     (targets: paced within 3 % of line time; unpaced read < 200 ms)
#include "CountingComm.h"
#include "image/RadioModel.h"
#include "link/Transfer.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using namespace kt913;
using namespace kt913::bench;

namespace {

constexpr double kBytesPerSecond = 9600.0 / 10.0;

struct Radio {
    QProcess process;
    QString device;
    explicit Radio(const QStringList &arguments)
    {
        process.start(QStringLiteral(KT913_BINARY_DIR "/src/radio/kt913-radio"),
                      QStringList{"--exit-with-parent"} + arguments);
        process.waitForStarted(10000);
        while (!process.canReadLine() && process.waitForReadyRead(10000)) {
        }
        device = QString::fromLocal8Bit(process.readLine()).trimmed();
    }
    ~Radio()
    {
        process.terminate();
        if (!process.waitForFinished(5000))
            process.kill();
    }
};

struct Result {
    bool ok = false;
    double seconds = 0;
    qint64 bytes = 0;
};

Result timeTransfer(const QString &device, Transfer::Kind kind)
{
    RadioModel model;
    auto owned = std::make_unique<CountingComm>();
    CountingComm *port = owned.get();
    Transfer transfer(model, std::move(owned));
    Result result;
    if (!transfer.openPort(device).ok())
        return result;
    QEventLoop loop;
    Transfer::Ending ending{};
    QObject::connect(&transfer, &Transfer::finished, &loop, [&](Transfer::Ending how) {
        ending = how;
        loop.quit();
    });
    QElapsedTimer clock;
    clock.start();
    kind == Transfer::Kind::Read ? transfer.startRead() : transfer.startWrite();
    loop.exec();
    result.seconds = clock.nsecsElapsed() / 1e9;
    result.ok = Transfer::succeeded(ending);
    result.bytes = port->sent + port->received;
    return result;
}

bool paced(Transfer::Kind kind, const char *name)
{
    Radio radio({"--baud"});
    const Result r = timeTransfer(radio.device, kind);
    const double line = r.bytes / kBytesPerSecond;
    const double ratio = r.seconds / line;
    std::printf("%-22s %5lld bytes  line %7.3f s  measured %7.3f s  ratio %.4f  %s\n", name,
                static_cast<long long>(r.bytes), line, r.seconds, ratio,
                !r.ok ? "FAILED" : ratio <= 1.03 ? "ok (within 3 %)" : "over target");
    return r.ok && ratio <= 1.03;
}

bool unpacedReads(int runs)
{
    Radio radio({});
    std::vector<double> times;
    bool ok = true;
    for (int i = 0; i < runs; ++i) {
        const Result r = timeTransfer(radio.device, Transfer::Kind::Read);
        ok = ok && r.ok;
        times.push_back(r.seconds * 1000);
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2], worst = times.back();
    std::printf("%-22s %d runs  best %.1f ms  median %.1f ms  worst %.1f ms  %s\n", "read, unpaced pty", runs,
                times.front(), median, worst, !ok ? "FAILED" : worst < 200 ? "ok (under 200 ms)" : "over target");
    return ok && worst < 200;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int runs = 10;
    const QStringList args = app.arguments();
    const int at = args.indexOf(QStringLiteral("--runs"));
    if (at >= 0)
        runs = std::max(1, args.value(at + 1).toInt());
    bool ok = unpacedReads(runs);
    ok = paced(Transfer::Kind::Read, "read, 9600 baud") && ok;
    ok = paced(Transfer::Kind::Write, "write, 9600 baud") && ok;
    return ok ? 0 : 1;
}
