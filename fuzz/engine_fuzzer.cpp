// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the protocol engine fed whatever a line may bring, in chunks of any
// size between timer ticks, for reads and writes. Every transfer must end (finished,
// time-out or refusal) within the time-out's ticks once the line goes quiet, answer a
// band question when asked, and keep to the image (the sanitizers watch the memory).
#include "FreshModel.h"
#include "support/FakeSerialLine.h"
#include "link/ProtocolEngine.h"
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

using namespace kt913;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static FreshModel fresh;
    if (size < 1)
        return 0;
    // The first byte chooses the transfer and the service modes.
    const uint8_t mode = data[0];
    RadioModel &model = fresh.reset();
    model.setForceWriteUnlocked(mode & 2);
    model.setDebugUnlocked(mode & 4);
    model.selectBandQuietly((mode >> 3) & 3);
    test::FakeSerialLine port;
    ProtocolEngine engine(model, port);
    bool timerOn = false, asked = false;
    QObject::connect(&engine, &ProtocolEngine::timerWChanged, [&](bool on) { timerOn = on; });
    QObject::connect(&engine, &ProtocolEngine::outcome, [&](ProtocolEngine::Outcome o) {
        if (o == ProtocolEngine::Outcome::BandMismatchToConfirm)
            asked = true;
    });
    if (mode & 1)
        engine.startWrite();
    else
        engine.startRead();

    // The rest: a length byte, then that many bytes for the line, then a tick.
    size_t at = 1;
    while (at < size && engine.isRunning()) {
        const size_t length = data[at++] % 48;
        const size_t take = std::min(length, size - at);
        port.feed(QByteArray(reinterpret_cast<const char *>(data + at), int(take)));
        at += take;
        if (asked) {
            asked = false;
            engine.answerBandQuestion(data[at - 1] & 1);
        }
        if (timerOn)
            engine.tick();
    }
    // The line goes quiet: the time-out must end whatever still runs.
    for (int t = 0; t <= ProtocolEngine::kTimeoutTicks + 1 && engine.isRunning(); ++t) {
        if (asked) {
            asked = false;
            engine.answerBandQuestion(false);
        }
        if (timerOn)
            engine.tick();
    }
    if (engine.isRunning()) {
        std::fprintf(stderr, "the transfer did not end within the time-out\n");
        std::abort();
    }
    return 0;
}
