// SPDX-License-Identifier: GPL-3.0-or-later
// Whole transfers through the real serial adapter against kt913-radio on a
// pseudo-terminal: the bytes on the wire (the radio's log) and the memory on both sides.
#include "support/TestTime.h"
#include "RadioProcess.h"
#include "ScriptedRadio.h"
#include "image/DatFile.h"
#include "image/MemoryMap.h"
#include "image/RadioModel.h"
#include "link/Transfer.h"
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace kt913;
using namespace kt913::test;
using Ending = Transfer::Ending;

namespace {

const int kTransferBoundMs = timeBound(30000); // a whole unpaced transfer takes well under a second

QString hex(const Image &image, int address)
{
    QByteArray bytes(16, 0);
    for (int i = 0; i < 16; ++i)
        bytes[i] = address + i < kImageSize ? char(image[std::size_t(address + i)]) : char(0);
    return QString::fromLatin1(bytes.toHex().toUpper());
}

QString addressed(char command, int address)
{
    return QStringLiteral("%1 %2").arg(QChar(command)).arg(address, 4, 16, QChar('0')).toUpper();
}

QStringList expectedReadLog()
{
    QStringList log{"PROGRAM", "02", "06"};
    for (int address = 0; address <= 0xC00; address += 16)
        log << addressed('R', address) << "06";
    return log << "E" << "E";
}

QStringList expectedWriteLog(const Image &out, bool debug)
{
    QStringList log{"PROGRAM", "02", "06"};
    auto frame = [&](int address) { log << addressed('W', address) + ' ' + hex(out, address); };
    for (int address = 0; address <= 0x7B0; address += 16)
        frame(address);
    if (debug) {
        frame(0x7E0);
        frame(0x7F0);
    } else {
        log << "06" << "06";
    }
    for (int address = 0x800; address <= 0xC20; address += 16)
        frame(address);
    return log << "E";
}

struct Bench {
    QTemporaryDir dir;
    RadioModel model;
    Transfer transfer{model};
    QString path(const QString &name) const { return dir.filePath(name); }

    // Starts a radio with a log; false (and a message) if it does not come up.
    std::unique_ptr<RadioProcess> radio(QStringList arguments)
    {
        arguments << "--log" << path("wire.log");
        arguments << "--exit-with-parent";
        auto process = std::make_unique<RadioProcess>(arguments);
        if (!process->start())
            return nullptr;
        if (!transfer.openPort(process->devicePath()).ok())
            return nullptr;
        return process;
    }
    Ending run(Transfer::Kind kind)
    {
        QSignalSpy finished(&transfer, &Transfer::finished);
        kind == Transfer::Kind::Read ? transfer.startRead() : transfer.startWrite();
        if (!finished.wait(kTransferBoundMs))
            return Ending(-1);
        return finished.first().at(0).value<Ending>();
    }
    QStringList wire() const { return readLines(path("wire.log")); }
};

} // namespace

class TestLinkEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void fullRead();
    void fullWrite_data();
    void fullWrite();
    void timeout_data();
    void timeout();
    void bandMismatch_data();
    void bandMismatch();
    void cablePulledEndsInTimeout();
    void portThatCannotOpen();
};

void TestLinkEndToEnd::fullRead()
{
    Bench bench;
    Image radioMemory = patternImage(9);
    radioMemory[map::kReserved717] = 0x33;
    QVERIFY(writeDatFile(bench.path("radio.dat"), radioMemory).ok());
    auto radio = bench.radio({"--image", bench.path("radio.dat")});
    QVERIFY(radio);

    QCOMPARE(bench.run(Transfer::Kind::Read), Ending::ReadFinished);
    QVERIFY(bench.transfer.receivedImage() == radioMemory);
    Image decoded = radioMemory;
    decoded[map::kReserved717] = 0xFF; // the one byte the decoder marks
    QVERIFY(bench.model.memoryImage() == decoded);
    // The radio acknowledges the second End after the transfer is over.
    QTRY_COMPARE_WITH_TIMEOUT(bench.wire().size(), expectedReadLog().size(), timeBound(30000));
    QCOMPARE(bench.wire(), expectedReadLog());
}

void TestLinkEndToEnd::fullWrite_data()
{
    QTest::addColumn<bool>("debug");
    QTest::newRow("alignment locked") << false;
    QTest::newRow("DebugUnlocked") << true;
}

void TestLinkEndToEnd::fullWrite()
{
    QFETCH(bool, debug);
    Bench bench;
    const Image before = patternImage(4);
    QVERIFY(writeDatFile(bench.path("radio.dat"), before).ok());
    auto radio = bench.radio({"--image", bench.path("radio.dat"), "--save", bench.path("saved.dat")});
    QVERIFY(radio);
    bench.model.setDebugUnlocked(debug);
    for (int slider = 0; slider < map::kSliderCount; ++slider)
        bench.model.setDebugValue(slider, 0x42);

    QCOMPARE(bench.run(Transfer::Kind::Write), Ending::WriteFinished);
    const Image &out = bench.model.outputImage();
    for (int block : {map::kDebugBlockA, map::kDebugBlockB}) {
        QCOMPARE(int(out[block]), 0x42);
        QVERIFY(before[block] != 0x42);
    }
    // The radio stores its memory before it logs the End that closed the write.
    QTRY_COMPARE_WITH_TIMEOUT(bench.wire().size(), expectedWriteLog(out, debug).size(), timeBound(30000));
    QCOMPARE(bench.wire(), expectedWriteLog(out, debug));

    Image saved{};
    QVERIFY(readDatFile(bench.path("saved.dat"), saved).ok());
    for (int a = 0; a < kImageSize; ++a) {
        const bool neverWritten = a >= 0x7C0 && a < 0x7E0;
        const bool debugBlock = a >= 0x7E0 && a < 0x800;
        const bool kept = neverWritten || (debugBlock && !debug);
        QCOMPARE(int(saved[std::size_t(a)]), int(kept ? before[std::size_t(a)] : out[std::size_t(a)]));
    }
}

void TestLinkEndToEnd::timeout_data()
{
    QTest::addColumn<QStringList>("radioArguments");
    QTest::addColumn<bool>("write");
    QTest::addColumn<QStringList>("wire");
    QTest::newRow("silent radio") << QStringList{"--silent"} << false << QStringList{"PROGRAM", "E"};
    QTest::newRow("another model") << QStringList{"--model", "HXP418"} << false << QStringList{"PROGRAM", "02", "E"};
    QTest::newRow("nine-byte identification")
        << QStringList{"--id-length", "9"} << true << QStringList{"PROGRAM", "02", "E"};
}

void TestLinkEndToEnd::timeout()
{
    QFETCH(QStringList, radioArguments);
    QFETCH(bool, write);
    QFETCH(QStringList, wire);
    Bench bench;
    auto radio = bench.radio(radioArguments);
    QVERIFY(radio);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(bench.run(write ? Transfer::Kind::Write : Transfer::Kind::Read), Ending::CommunicationTimeout);
    QVERIFY2(clock.elapsed() >= 2000, "eleven ticks of 200 ms");
    QVERIFY(!bench.transfer.timerW().isActive());
    QCOMPARE(bench.transfer.port().receiveThreshold(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(bench.wire().size(), wire.size(), timeBound(30000));
    QCOMPARE(bench.wire(), wire);
}

void TestLinkEndToEnd::bandMismatch_data()
{
    QTest::addColumn<bool>("force");
    QTest::newRow("refused") << false;
    QTest::newRow("forced") << true;
}

void TestLinkEndToEnd::bandMismatch()
{
    QFETCH(bool, force);
    Bench bench;
    auto radio = bench.radio({"--band", "1", "--save", bench.path("saved.dat")});
    QVERIFY(radio);
    bench.model.setForceWriteUnlocked(force);
    int questions = 0;
    connect(&bench.transfer, &Transfer::bandQuestion, &bench.transfer, [&] {
        ++questions;
        bench.transfer.answerBandQuestion(true);
    });

    QCOMPARE(bench.run(Transfer::Kind::Write), force ? Ending::WriteFinished : Ending::BandMismatchRefused);
    QCOMPARE(questions, force ? 1 : 0);
    if (force) {
        QTRY_COMPARE_WITH_TIMEOUT(bench.wire().size(), expectedWriteLog(bench.model.outputImage(), false).size(), timeBound(30000));
        QCOMPARE(bench.wire(), expectedWriteLog(bench.model.outputImage(), false));
        QVERIFY(QFile::exists(bench.path("saved.dat")));
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(bench.wire().size(), 3, timeBound(30000));
        QCOMPARE(bench.wire(), (QStringList{"PROGRAM", "02", "E"}));
        QVERIFY(!QFile::exists(bench.path("saved.dat")));
    }
}

void TestLinkEndToEnd::cablePulledEndsInTimeout()
{
    Bench bench;
    auto radio = bench.radio({"--hangup-after", "100"});
    QVERIFY(radio);
    QSignalSpy failed(&bench.transfer.port(), &SerialLine::portFailed);
    QCOMPARE(bench.run(Transfer::Kind::Read), Ending::CommunicationTimeout);
    QCOMPARE(failed.count(), 1);
    QVERIFY(!bench.transfer.port().isOpen());
    // With the port gone, a new start is refused instead of timing out again.
    QCOMPARE(bench.run(Transfer::Kind::Read), Ending::PortInvalid);
}

void TestLinkEndToEnd::portThatCannotOpen()
{
    RadioModel model;
    Transfer transfer(model);
    const PortOpenResult result = transfer.openPort(QStringLiteral("/dev/kt913-no-such-port"));
    QCOMPARE(result.status, PortOpenResult::NotFound);
    QVERIFY(!result.reason.isEmpty());
    QVERIFY(!transfer.port().isOpen());
    QSignalSpy finished(&transfer, &Transfer::finished);
    QVERIFY(!transfer.startRead());
    QVERIFY(finished.wait(timeBound(5000)));
    QCOMPARE(finished.first().at(0).value<Ending>(), Ending::PortInvalid);
}

QTEST_GUILESS_MAIN(TestLinkEndToEnd)
#include "tst_LinkEndToEnd.moc"
