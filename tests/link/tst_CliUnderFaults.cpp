// SPDX-License-Identifier: GPL-3.0-or-later
// kt913-cli read and write over a faulty line, as a user runs them: a read that fails
// leaves no file behind (and an older file of that name as it was), a transfer that gets
// through its fault stores the right thing, and the exit code says which happened.
#include "EncodedPattern.h"
#include "support/TestTime.h"
#include "RadioProcess.h"
#include "ScriptedRadio.h"
#include "image/DatFile.h"
#include "image/ImageCodec.h"
#include "image/MemoryMap.h"
#include "image/RadioModel.h"
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>
#include <vector>

using namespace kt913;
using namespace kt913::test;

namespace {

constexpr int kBoundMs = 30000;
const QString kCommunicationError =
    QStringLiteral("Communication error, check the line and the serial connection selection!");

Image encodedImage() { return encodedPattern(6, 0); }

struct Row {
    const char *name;
    QStringList fault;
    bool write;
    bool succeeds;
    bool olderFile; // -o names a file that is already there
};

// Frames as the radio counts them: 1 the handshake, 2 the identify request, 100 the request
// (read) or write frame of block 0x300.
std::vector<Row> matrix()
{
    return {
        {"read: dropped data byte", {"--drop-byte", "100:10"}, false, false, false},
        {"read: junk after the opening ack", {"--junk-after", "3:FF"}, false, false, true},
        {"read: stalled identification", {"--stall", "2:3000"}, false, false, false},
        {"read: vanishes mid-transfer", {"--hangup-after", "100"}, false, false, true},
        {"read: echo", {"--echo-after", "0"}, false, false, false},
        {"read: flipped model identifier", {"--flip-byte", "2:1"}, false, false, false},
        {"read: split data frame", {"--split-reply", "100:40"}, false, true, true},
        {"write: dropped ack", {"--drop-byte", "100:1"}, true, false, false},
        {"write: doubled ack", {"--junk-after", "100:06"}, true, true, false},
    };
}

struct Run {
    QTemporaryDir dir;
    std::unique_ptr<RadioProcess> radio;
    QProcess cli;
    Image radioMemory = patternImage(3);
    Image older = patternImage(5);
    Image file = encodedImage();
    bool started = false;

    QString path(const QString &name) const { return dir.filePath(name); }

    void start(const Row &row)
    {
        if (!writeDatFile(path("radio.dat"), radioMemory).ok() || !writeDatFile(path("file.dat"), file).ok())
            return;
        if (row.olderFile && !writeDatFile(path("out.dat"), older).ok())
            return;
        radio = std::make_unique<RadioProcess>(
            row.fault + QStringList{"--exit-with-parent", "--image", path("radio.dat"), "--save", path("saved.dat")});
        if (!radio->start())
            return;
        const QStringList args = row.write
            ? QStringList{"write", "--port", radio->devicePath(), path("file.dat")}
            : QStringList{"read", "--port", radio->devicePath(), "-o", path("out.dat"), "--raw"};
        cli.start(QStringLiteral(KT913_BINARY_DIR "/src/cli/kt913-cli"), args);
        started = cli.waitForStarted(timeBound(10000));
    }
    bool done() const { return !started || cli.state() == QProcess::NotRunning; }
};

} // namespace

class TestCliUnderFaults : public QObject {
    Q_OBJECT
    std::vector<Row> rows = matrix();
    std::vector<std::unique_ptr<Run>> runs;
private slots:
    void initTestCase();
    void transfer_data();
    void transfer();
};

// All at once: a failing run spends its time waiting for the time-out.
void TestCliUnderFaults::initTestCase()
{
    for (const Row &row : rows) {
        runs.push_back(std::make_unique<Run>());
        runs.back()->start(row);
    }
    QTRY_VERIFY_WITH_TIMEOUT(
        std::all_of(runs.begin(), runs.end(), [](const auto &run) { return run->done(); }), kBoundMs);
}

void TestCliUnderFaults::transfer_data()
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < rows.size(); ++i)
        QTest::newRow(rows[i].name) << int(i);
}

void TestCliUnderFaults::transfer()
{
    QFETCH(int, index);
    const Row &row = rows[std::size_t(index)];
    Run &run = *runs[std::size_t(index)];
    QVERIFY(run.started);
    QCOMPARE(run.cli.exitStatus(), QProcess::NormalExit);
    const QString err = QString::fromUtf8(run.cli.readAllStandardError());
    QCOMPARE(run.cli.exitCode(), row.succeeds ? 0 : 1);

    if (!row.succeeds) {
        QCOMPARE(err.trimmed(), kCommunicationError);
        if (row.write)
            return;
        Image kept{};
        if (row.olderFile) {
            QVERIFY(readDatFile(run.path("out.dat"), kept).ok());
            QVERIFY2(kept == run.older, "the older file is as it was");
        } else {
            QVERIFY2(!QFile::exists(run.path("out.dat")), "a failed read stores nothing");
        }
        return;
    }
    Image got{};
    if (!row.write) {
        QVERIFY(readDatFile(run.path("out.dat"), got).ok());
        QVERIFY(got == run.radioMemory);
        return;
    }
    // Up to the blocks a write skips, the radio holds the file as it was.
    QTRY_VERIFY_WITH_TIMEOUT(readDatFile(run.path("saved.dat"), got).ok(), timeBound(5000));
    for (int a = 0; a < 0x7C0; ++a)
        QCOMPARE(int(got[std::size_t(a)]), int(run.file[std::size_t(a)]));
}

QTEST_GUILESS_MAIN(TestCliUnderFaults)
#include "tst_CliUnderFaults.moc"
