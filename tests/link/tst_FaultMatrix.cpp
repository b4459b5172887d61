// SPDX-License-Identifier: GPL-3.0-or-later
// Reads and writes through the real serial adapter against kt913-radio with one line fault
// each, aimed at the handshake, the identification or a data block. Whatever the fault,
// a transfer either completes with the right memory on both sides or ends in the
// communication time-out with the editors as they were; it never hangs. Once the fault is
// past, the same transfer again on the same port goes through.
#include "RadioProcess.h"
#include "ScriptedRadio.h"
#include "support/TestTime.h"
#include "image/DatFile.h"
#include "image/ImageCodec.h"
#include "image/RadioModel.h"
#include "link/Transfer.h"
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>
#include <vector>

using namespace kt913;
using namespace kt913::test;
using Ending = Transfer::Ending;

namespace {

// Frames as the radio counts them. A read: 1 handshake, 2 identify, 3 the acknowledge that
// opens the blocks, then a request (its reply a data frame) and an acknowledge for each
// block, so block 0x300 is asked for by frame 100 and acknowledged after it by frame 101.
// A write: 1 to 3 the same, then a write frame (its reply an acknowledge) per block.
constexpr auto kHandshake = "1", kIdentify = "2", kOpening = "3";
constexpr auto kBlockRequest = "100", kBlockAcknowledge = "101";

const int kTransferBoundMs = timeBound(30000); // a hang, not a slow line
constexpr int kStallMs = 3000;          // past the time-out of about 2.2 s

enum class Expect { Completes, TimesOut, BandRefused, NotRun };

QStringList fault(const QString &option, const QString &frame, const QString &detail = {})
{
    return {"--" + option, detail.isEmpty() ? frame : frame + ':' + detail};
}

// A model whose editors hold something, so that a read that wrongly decoded would show.
void fillEditors(RadioModel &model)
{
    model.setMemoryImage(patternImage(6));
    DecodeImage(model);
}

Image encoded(RadioModel &model)
{
    EncodeImage(model);
    return model.outputImage();
}

struct Side {
    Side(QTemporaryDir &dir, const QString &name) : dir(dir), name(name) {}

    QTemporaryDir &dir;
    QString name;
    RadioModel model;
    std::unique_ptr<Transfer> transfer;
    std::unique_ptr<RadioProcess> radio;
    std::unique_ptr<QSignalSpy> finished;

    QString path(const QString &file) const { return dir.filePath(name + '-' + file); }

    bool start(QStringList arguments, Transfer::Kind kind)
    {
        arguments << "--exit-with-parent";
        radio = std::make_unique<RadioProcess>(arguments);
        transfer = std::make_unique<Transfer>(model);
        if (!radio->start() || !transfer->openPort(radio->devicePath()).ok())
            return false;
        finished = std::make_unique<QSignalSpy>(transfer.get(), &Transfer::finished);
        QObject::connect(&transfer->port(), &SerialLine::receiveEvent, transfer.get(), [this] {
            if (finished->count() > 0)
                ++lateReplies;
        });
        this->kind = kind;
        return again();
    }
    // The same transfer once more on the same port.
    bool again() { return kind == Transfer::Kind::Read ? transfer->startRead() : transfer->startWrite(); }
    bool done(int transfers = 1) const { return !finished || finished->count() >= transfers; }
    Ending ending(int transfer = 0) const { return finished->at(transfer).at(0).value<Ending>(); }

    Transfer::Kind kind = Transfer::Kind::Read;
    int lateReplies = 0; // bytes that came after the first transfer had ended
};

struct Row {
    const char *name;
    QStringList readFault;
    Expect read;
    QStringList writeFault;
    Expect write;
    QString readFlaw; // why the read is known to answer wrongly
    bool retry = true; // false where the fault outlasts the transfer
    bool lateReply = false; // the radio answers after the time-out
};

std::vector<Row> matrix()
{
    const auto C = Expect::Completes, T = Expect::TimesOut;
    std::vector<Row> rows;
    auto row = [&](const char *name, const QStringList &readFault, Expect read,
                   const QStringList &writeFault, Expect write, const QString &flaw = {}) {
        rows.push_back({name, readFault, read, writeFault, write, flaw});
        // Gone, deaf and echoing lines stay so.
        const QString option = readFault.first();
        rows.back().retry = option != "--hangup-after" && option != "--quiet-after" && option != "--echo-after";
        rows.back().lateReply = option == "--stall" && readFault.at(1).endsWith(':' + QString::number(kStallMs));
    };

    // Pieces with pauses, all inside the time-out: the receive threshold and the exact
    // length tests wait for the whole reply.
    row("split: identification", fault("split-reply", kIdentify), C, fault("split-reply", kIdentify, "200"), C);
    row("split: data frame", fault("split-reply", kBlockRequest, "40"), C, fault("split-reply", kBlockRequest), C);
    row("slow reply within the time-out", fault("stall", kBlockRequest, "600"), C,
        fault("stall", kBlockRequest, "600"), C);

    // A read wants a lone acknowledge after the identification and after each block; a
    // write only looks for one anywhere in what came.
    row("junk before ack: handshake", fault("junk-before", kHandshake, "FF"), C, fault("junk-before", kHandshake, "FF"), C);
    row("junk after ack: handshake", fault("junk-after", kHandshake, "00"), C, fault("junk-after", kHandshake, "00"), C);
    row("junk before ack: opening", fault("junk-before", kOpening, "FF"), T, fault("junk-before", kOpening, "FF"), C);
    row("junk before ack: data block", fault("junk-before", kBlockAcknowledge, "FF"), T,
        fault("junk-before", kBlockAcknowledge, "FF"), C);
    row("junk after ack: data block", fault("junk-after", kBlockAcknowledge, "0000"), T,
        fault("junk-after", kBlockAcknowledge, "0000"), C);
    // A data frame is taken only when exactly its twenty bytes came.
    row("junk around a data frame", fault("junk-before", kBlockRequest, "FF") + fault("junk-after", kBlockRequest, "FF"), T,
        fault("junk-before", kBlockRequest, "FF") + fault("junk-after", kBlockRequest, "FF"), C);
    row("doubled ack: data block", fault("junk-after", kBlockAcknowledge, "06"), T,
        fault("junk-after", kBlockAcknowledge, "06"), C);
    // 10 60 holds "06" across its two bytes: a write takes it for the lost acknowledge.
    row("ack lost, 10 60 instead: data block",
        fault("drop-byte", kBlockAcknowledge, "1") + fault("junk-after", kBlockAcknowledge, "1060"), T,
        fault("drop-byte", kBlockAcknowledge, "1") + fault("junk-after", kBlockAcknowledge, "1060"), C);

    row("dropped byte: handshake ack", fault("drop-byte", kHandshake, "1"), T, fault("drop-byte", kHandshake, "1"), T);
    row("dropped byte: identification", fault("drop-byte", kIdentify, "8"), T, fault("drop-byte", kIdentify, "8"), T);
    row("dropped byte: data block", fault("drop-byte", kBlockRequest, "10"), T,
        fault("drop-byte", kBlockAcknowledge, "1"), T);

    row("flipped byte: handshake ack", fault("flip-byte", kHandshake, "1"), T, fault("flip-byte", kHandshake, "1"), T);
    row("flipped byte: model identifier", fault("flip-byte", kIdentify, "1"), T, fault("flip-byte", kIdentify, "1"), T);
    // Band 0 becomes 1: a read does not look at the band, a write refuses the radio.
    row("flipped byte: band code", fault("flip-byte", kIdentify, "7:0x01"), C,
        fault("flip-byte", kIdentify, "7:0x01"), Expect::BandRefused);
    row("flipped byte: data frame lead / block ack", fault("flip-byte", kBlockRequest, "1"), T,
        fault("flip-byte", kBlockAcknowledge, "1"), T);
    row("flipped byte: data byte", fault("flip-byte", kBlockRequest, "10"), C, {}, Expect::NotRun,
        "data frames carry no checksum: a corrupted byte is stored and the read succeeds");

    row("stall past the time-out: handshake", fault("stall", kHandshake, QString::number(kStallMs)), T,
        fault("stall", kHandshake, QString::number(kStallMs)), T);
    row("stall past the time-out: identification", fault("stall", kIdentify, QString::number(kStallMs)), T,
        fault("stall", kIdentify, QString::number(kStallMs)), T);
    row("stall past the time-out: data block", fault("stall", kBlockRequest, QString::number(kStallMs)), T,
        fault("stall", kBlockRequest, QString::number(kStallMs)), T);

    row("vanishes: before the identification", {"--hangup-after", kHandshake}, T, {"--hangup-after", kHandshake}, T);
    row("vanishes: at the first block", {"--hangup-after", kOpening}, T, {"--hangup-after", kOpening}, T);
    row("vanishes: mid-transfer", {"--hangup-after", kBlockRequest}, T, {"--hangup-after", kBlockRequest}, T);
    row("goes quiet: mid-transfer", {"--quiet-after", kBlockRequest}, T, {"--quiet-after", kBlockRequest}, T);

    // The program hears its own bytes ahead of each reply.
    row("echo: from the start", {"--echo-after", "0"}, T, {"--echo-after", "0"}, T);
    row("echo: from the first block", {"--echo-after", kOpening}, T, {"--echo-after", kOpening}, C);
    return rows;
}

// One row's read and write, each against its own radio.
struct Run {
    QTemporaryDir dir;
    Image radioMemory = patternImage(9);
    Image before = patternImage(4);
    Side reader{dir, "read"};
    Side writer{dir, "write"};
    Image editorsBefore{};
    bool started = false;

    void start(const Row &row)
    {
        if (!writeDatFile(dir.filePath("radio.dat"), radioMemory).ok()
            || !writeDatFile(dir.filePath("before.dat"), before).ok())
            return;
        fillEditors(reader.model);
        editorsBefore = encoded(reader.model);
        fillEditors(writer.model);
        started = reader.start(row.readFault + QStringList{"--image", dir.filePath("radio.dat")},
                               Transfer::Kind::Read);
        if (row.write != Expect::NotRun) {
            started = started
                   && writer.start(row.writeFault + QStringList{"--image", dir.filePath("before.dat"),
                                                                "--save", writer.path("saved.dat")},
                                   Transfer::Kind::Write);
        }
    }
    bool retried = false;
    // What the first transfers left, taken before the retries overwrite it.
    Image firstReceived{};
    Image firstEditors{};
    Image firstSaved{};
    bool firstSavedOk = false;

    void keepFirst()
    {
        if (!started)
            return;
        firstReceived = reader.transfer->receivedImage();
        firstEditors = encoded(reader.model);
        firstSavedOk = readDatFile(writer.path("saved.dat"), firstSaved).ok();
    }

    bool done() const
    {
        const int transfers = retried ? 2 : 1;
        return !started || (reader.done(transfers) && writer.done(transfers));
    }
    // The fault hit a frame that is past now, so the same transfer again must go through.
    void retry(const Row &row)
    {
        if (!started || !row.retry)
            return;
        retried = reader.again() && (row.write == Expect::NotRun || writer.again());
        started = retried;
    }
};

} // namespace

Q_DECLARE_METATYPE(Expect)

// Every row runs at once, each against its own radios: nearly all of the time is the
// time-out, which the rows can as well spend together. The rows then judge what came.
class TestFaultMatrix : public QObject {
    Q_OBJECT
    std::vector<Row> rows = matrix();
    std::vector<std::unique_ptr<Run>> runs;
private slots:
    void initTestCase();
    void readAndWrite_data();
    void readAndWrite();
};

void TestFaultMatrix::initTestCase()
{
    for (const Row &row : rows) {
        runs.push_back(std::make_unique<Run>());
        runs.back()->start(row);
    }
    auto allDone = [this] {
        return std::all_of(runs.begin(), runs.end(), [](const auto &run) { return run->done(); });
    };
    QTRY_VERIFY_WITH_TIMEOUT(allDone(), kTransferBoundMs);
    // The retries wait for the late replies of the stalls, which stay in the reception
    // text as after any time-out (a new transfer starts from there), and for the radios
    // to store what the writes sent: their End crosses the line after the program has
    // finished.
    auto settled = [this] {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const Run &run = *runs[i];
            if (!run.started)
                continue;
            const bool writes = rows[i].write != Expect::NotRun;
            if (rows[i].lateReply && (run.reader.lateReplies == 0 || (writes && run.writer.lateReplies == 0)))
                return false;
            Image saved{};
            if (rows[i].write == Expect::Completes && !readDatFile(run.writer.path("saved.dat"), saved).ok())
                return false;
        }
        return true;
    };
    QTRY_VERIFY_WITH_TIMEOUT(settled(), kTransferBoundMs);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        runs[i]->keepFirst();
        runs[i]->retry(rows[i]);
    }
    QTRY_VERIFY_WITH_TIMEOUT(allDone(), kTransferBoundMs);
}

void TestFaultMatrix::readAndWrite_data()
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < rows.size(); ++i)
        QTest::newRow(rows[i].name) << int(i);
}

void TestFaultMatrix::readAndWrite()
{
    QFETCH(int, index);
    const Row &row = rows[std::size_t(index)];
    Run &run = *runs[std::size_t(index)];
    QVERIFY2(run.started, "the radios came up and the transfers started");
    Side &reader = run.reader;
    Side &writer = run.writer;

    switch (row.read) {
    case Expect::Completes:
        QCOMPARE(reader.ending(), Ending::ReadFinished);
        if (!row.readFlaw.isEmpty())
            QEXPECT_FAIL("", qPrintable(row.readFlaw), Continue);
        QVERIFY2(run.firstReceived == run.radioMemory, "the image read is the radio's");
        break;
    case Expect::TimesOut:
        QCOMPARE(reader.ending(), Ending::CommunicationTimeout);
        QVERIFY2(run.firstEditors == run.editorsBefore, "a failed read leaves the editors alone");
        break;
    default:
        QFAIL("a read has no other expected ending");
    }
    QVERIFY(!reader.transfer->timerW().isActive());
    QVERIFY(!reader.transfer->isRunning());
    if (row.retry) {
        QCOMPARE(reader.ending(1), Ending::ReadFinished);
        QVERIFY2(reader.transfer->receivedImage() == run.radioMemory, "the read once more gets the radio's image");
    }

    if (row.write == Expect::NotRun)
        return;
    const Ending wanted = row.write == Expect::Completes ? Ending::WriteFinished
                        : row.write == Expect::TimesOut  ? Ending::CommunicationTimeout
                                                         : Ending::BandMismatchRefused;
    QCOMPARE(writer.ending(), wanted);
    QVERIFY(!writer.transfer->timerW().isActive());
    const Image &out = writer.model.outputImage();
    auto writtenRight = [&](const Image &saved) {
        for (int a = 0; a < kImageSize; ++a) {
            const bool neverWritten = a >= 0x7C0 && a < 0x800; // two skipped, two alignment blocks
            if (saved[std::size_t(a)] != (neverWritten ? run.before[std::size_t(a)] : out[std::size_t(a)]))
                return false;
        }
        return true;
    };
    if (row.write == Expect::Completes) {
        QVERIFY2(run.firstSavedOk, "the radio stored the write");
        QVERIFY2(writtenRight(run.firstSaved), "the radio holds what the program sent");
    }
    if (row.retry) {
        QCOMPARE(writer.ending(1), Ending::WriteFinished);
        Image saved{};
        QTRY_VERIFY_WITH_TIMEOUT(readDatFile(writer.path("saved.dat"), saved).ok() && writtenRight(saved), kTransferBoundMs);
    }
}

QTEST_GUILESS_MAIN(TestFaultMatrix)
#include "tst_FaultMatrix.moc"
