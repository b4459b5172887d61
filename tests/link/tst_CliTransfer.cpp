// SPDX-License-Identifier: GPL-3.0-or-later
// kt913-cli read and write against kt913-radio, run as a user runs them: files on both
// sides, messages and exit codes.
#include "EncodedPattern.h"
#include "support/TestTime.h"
#include "RadioProcess.h"
#include "ScriptedRadio.h"
#include "support/CliRun.h"
#include <QDir>
#include <QFileInfo>
#include "image/DatFile.h"
#include "image/ImageCodec.h"
#include "image/MemoryMap.h"
#include "image/RadioModel.h"
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace kt913;
using namespace kt913::test;

namespace {

using Run = CliRun;
Run cli(const QStringList &args) { return runCli(args); }

Image encodedImage(int band) { return encodedPattern(6, band); }

// kt913-cli with `input` typed on its standard input.
Run cliAnswering(const QStringList &args, const QByteArray &input) { return runCli(args, input); }

} // namespace

class TestCliTransfer : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }
    QString backups() const { return dir.filePath("data/kt913/backups"); }
private slots:
    // The command line keeps its backups under this test's own data folder.
    void initTestCase() { qputenv("XDG_DATA_HOME", dir.filePath("data").toLocal8Bit()); }
    void readStoresWhatTheProgramWouldSave();
    void writeAndItsBand();
    void verifiedWrite();
    void previewedWrite();
    void tracesOnBothSides();
    void failuresExitWithOne();
    void badUsageExitsWithTwo();
};

void TestCliTransfer::readStoresWhatTheProgramWouldSave()
{
    Image radioMemory = patternImage(2);
    QVERIFY(writeDatFile(path("radio.dat"), radioMemory).ok());
    RadioProcess radio({"--exit-with-parent", "--image", path("radio.dat")});
    QVERIFY(radio.start());

    const Run raw = cli({"read", "--port", radio.devicePath(), "-o", path("raw.dat"), "--raw"});
    QCOMPARE(raw.code, 0);
    QCOMPARE(raw.out.trimmed(), QStringLiteral("Reading succeeds frequently!"));
    QCOMPARE(raw.err, QString()); // no progress bar off a terminal
    Image got{};
    QVERIFY(readDatFile(path("raw.dat"), got).ok());
    QVERIFY(got == radioMemory);
    // Every read is also kept, exactly as received.
    const QStringList kept = QDir(backups()).entryList({"read-*.dat"}, QDir::Files);
    QCOMPARE(kept.size(), 1);
    QVERIFY(readDatFile(QDir(backups()).filePath(kept[0]), got).ok());
    QVERIFY(got == radioMemory);

    const Run saved = cli({"--lang", "zh", "read", "--port", radio.devicePath(), "-o", path("saved.dat")});
    QCOMPARE(saved.code, 0);
    QCOMPARE(saved.out.trimmed(), QStringLiteral("读频成功！"));
    RadioModel model;
    model.setMemoryImage(radioMemory);
    DecodeImage(model);
    EncodeImage(model);
    QVERIFY(readDatFile(path("saved.dat"), got).ok());
    QVERIFY(got == model.outputImage());
}

void TestCliTransfer::writeAndItsBand()
{
    const Image file = encodedImage(0);
    QVERIFY(writeDatFile(path("file.dat"), file).ok());
    RadioProcess radio({"--exit-with-parent", "--band", "2", "--save", path("stored.dat")});
    QVERIFY(radio.start());

    const Run refused = cli({"write", "--port", radio.devicePath(), path("file.dat")});
    QCOMPARE(refused.code, 1);
    QVERIFY(refused.err.contains(QStringLiteral("The frequency band is not accorded with, can't write into!")));
    QVERIFY(!QFile::exists(path("stored.dat")));

    const Run forced = cli({"write", "--port", radio.devicePath(), path("file.dat"), "--force"});
    QCOMPARE(forced.code, 0);
    QVERIFY(forced.err.contains(QStringLiteral("whether write into by force? OK")));
    QCOMPARE(forced.out.trimmed(), QStringLiteral("Writing succeeds frequently!"));
    Image stored{};
    QTRY_VERIFY_WITH_TIMEOUT(readDatFile(path("stored.dat"), stored).ok(), timeBound(5000));
    for (int a = 0; a < 0x7C0; ++a) // the encoder's output, unchanged through the cable
        QCOMPARE(int(stored[std::size_t(a)]), int(file[std::size_t(a)]));
    QVERIFY(QFile::remove(path("stored.dat")));

    // With --band 2 the selection matches the radio, but channels of the file lie outside
    // that band: they are named and nothing is sent, unless --force says so.
    Image marine = file;
    const std::uint8_t record[13] = {0x00, 0x00, 0x68, 0x15, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x99};
    for (int n : {5, 70}) // 156.80000 MHz: band 0 takes it, band 2 does not
        std::copy(record, record + 13, marine.begin() + map::channelBase(n));
    QVERIFY(writeDatFile(path("marine.dat"), marine).ok());
    const Run outOfBand = cli({"write", "--port", radio.devicePath(), path("marine.dat"), "--band", "2"});
    QCOMPARE(outOfBand.code, 2);
    QVERIFY2(outOfBand.err.startsWith(path("marine.dat") + QStringLiteral(": ")) &&
                 outOfBand.err.contains(QStringLiteral(" channels are outside the radio's band: A5, ")) &&
                 outOfBand.err.contains(QStringLiteral(", B6")),
             qPrintable(outOfBand.err));
    QVERIFY(!QFile::exists(path("stored.dat")));
    QCOMPARE(cli({"write", "--port", radio.devicePath(), path("marine.dat"), "--band", "0"}).code, 1); // in band: on to the radio's own band check

    // Forced, the file's own band byte follows the chosen band.
    const Run chosen = cli({"write", "--port", radio.devicePath(), path("file.dat"), "--band", "2", "--debug", "--force"});
    QCOMPARE(chosen.code, 0);
    QTRY_VERIFY_WITH_TIMEOUT(readDatFile(path("stored.dat"), stored).ok(), timeBound(5000));
    QCOMPARE(int(stored[map::kBandVariant]), 2);
    QCOMPARE(int(stored[map::kDebugBlockA]), int(file[map::kDebugBlockA]));
}

void TestCliTransfer::verifiedWrite()
{
    const Image file = encodedImage(0);
    QVERIFY(writeDatFile(path("file.dat"), file).ok());
    {
        RadioProcess radio({"--exit-with-parent"});
        QVERIFY(radio.start());
        const Run good = cli({"write", "--port", radio.devicePath(), path("file.dat"), "--verify"});
        QCOMPARE(good.code, 0);
        QCOMPARE(good.out, QStringLiteral("Writing succeeds frequently!\nVerified: the radio reads back exactly what was written.\n"));
    }
    // A cell that does not keep what it was given; one in the alignment blocks is only
    // compared when they were written.
    RadioProcess failing({"--exit-with-parent", "--keep-wrong", "0x5A3"});
    QVERIFY(failing.start());
    const Run bad = cli({"write", "--port", failing.devicePath(), path("file.dat"), "--verify"});
    QCOMPARE(bad.code, 1);
    QCOMPARE(bad.out, QString());
    QCOMPARE(bad.err.trimmed(), QStringLiteral("Write verification failed: 1 byte(s) differ from what was written, the first at address 0x5A3."));

    RadioProcess alignment({"--exit-with-parent", "--keep-wrong", "0x7E1"});
    QVERIFY(alignment.start());
    QCOMPARE(cli({"write", "--port", alignment.devicePath(), path("file.dat"), "--verify"}).code, 0);
    const Run debug = cli({"write", "--port", alignment.devicePath(), path("file.dat"), "--verify", "--debug"});
    QCOMPARE(debug.code, 1);
    QVERIFY(debug.err.contains(QStringLiteral("the first at address 0x7E1.")));

    // A radio that takes the write and then answers nothing more is not reported as
    // verified (the read-back is tried three times).
    RadioProcess mute({"--exit-with-parent", "--quiet-after", "197"});
    QVERIFY(mute.start());
    const Run unread = cli({"write", "--port", mute.devicePath(), path("file.dat"), "--verify"});
    QCOMPARE(unread.code, 1);
    QVERIFY(unread.err.startsWith(QStringLiteral("The radio could not be read back after writing")));
}

// The radio holds the file but for one squelch level: the preview names only that, and
// the radio hears nothing after the read unless the answer is yes.
void TestCliTransfer::previewedWrite()
{
    const Image file = encodedImage(0);
    QVERIFY(writeDatFile(path("file.dat"), file).ok());
    Image onRadio = file;
    onRadio[map::kGroupASquelch] = std::uint8_t((file[map::kGroupASquelch] + 1) % 10);
    QVERIFY(writeDatFile(path("radio.dat"), onRadio).ok());
    RadioProcess radio({"--exit-with-parent", "--image", path("radio.dat"), "--save", path("previewed.dat"), "--log", path("preview.log")});
    QVERIFY(radio.start());
    const QStringList write{"write", "--port", radio.devicePath(), path("file.dat")};
    const auto writesHeard = [&] { return readLines(path("preview.log")).filter(QRegularExpression("^W ")).size(); };

    const Run dry = cli(write + QStringList{"--dry-run"});
    QCOMPARE(dry.code, 0);
    const QStringList lines = dry.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0], QStringLiteral("1 setting differs"));
    QVERIFY2(lines[1].startsWith(QStringLiteral("Optional Features / Function Set, A Squelch Level: ")), qPrintable(lines[1]));
    QVERIFY(!dry.err.contains(QStringLiteral("Write?")));

    for (const QByteArray &no : {QByteArray("n\n"), QByteArray()}) {
        const Run declined = cliAnswering(write + QStringList{"--preview"}, no);
        QCOMPARE(declined.code, 1);
        QCOMPARE(declined.out, dry.out);
        QCOMPARE(declined.err, QStringLiteral("Write? [y/N] Nothing was written.\n"));
    }
    QTest::qWait(300);
    QCOMPARE(readLines(path("preview.log")).count(QStringLiteral("PROGRAM")), 3);
    QCOMPARE(writesHeard(), 0);
    QVERIFY(!QFile::exists(path("previewed.dat")));

    const Run yes = cliAnswering(QStringList{"--lang", "zh"} + write + QStringList{"--preview"}, "y\n");
    QCOMPARE(yes.code, 0);
    QVERIFY2(yes.out.startsWith(QStringLiteral("1 项设置不同\n")), qPrintable(yes.out));
    QVERIFY(yes.out.endsWith(QStringLiteral("写频成功！\n")));
    QCOMPARE(yes.err, QStringLiteral("写入？[y/N] "));
    Image stored{};
    QTRY_VERIFY_WITH_TIMEOUT(readDatFile(path("previewed.dat"), stored).ok(), timeBound(5000));
    QCOMPARE(int(stored[map::kGroupASquelch]), int(file[map::kGroupASquelch]));
}

// Both traces hold every frame, one line each, in the same format: the program's sent
// frames are the radio's received ones, in order.
void TestCliTransfer::tracesOnBothSides()
{
    QVERIFY(writeDatFile(path("file.dat"), encodedImage(0)).ok());
    RadioProcess radio({"--exit-with-parent", "--trace", path("radio.trace")});
    QVERIFY(radio.start());
    const Run run = cli({"write", "--port", radio.devicePath(), path("file.dat"), "--trace", path("cli.trace")});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.err, QString());

    const QRegularExpression format(QStringLiteral(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3} (\S+) (TX|RX) ((?:[0-9A-F]{2} )*[0-9A-F]{2})$)"));
    auto frames = [&](const QString &file, const QString &direction) {
        QStringList bytes;
        for (const QString &line : readLines(file)) {
            if (line.startsWith(QLatin1Char('#')))
                continue;
            const QRegularExpressionMatch m = format.match(line);
            if (!m.hasMatch() || m.captured(1) != radio.devicePath())
                qWarning() << "not a trace line:" << line;
            else if (m.captured(2) == direction)
                bytes << m.captured(3);
        }
        return bytes;
    };
    const QStringList sent = frames(path("cli.trace"), "TX");
    QCOMPARE(sent.size(), 197); // handshake, 02, 06, 191 blocks and two lone 06, End
    QCOMPARE(sent.first(), QStringLiteral("50 52 4F 47 52 41 4D"));
    QVERIFY(sent[3].startsWith(QStringLiteral("57 00 00 10 ")));
    QCOMPARE(sent.last(), QStringLiteral("45"));
    QTRY_COMPARE_WITH_TIMEOUT(frames(path("radio.trace"), "RX"), sent, timeBound(5000));
    // What the radio answered, as the program took it in (the End's answer may come after
    // the program has gone).
    const QString answered = frames(path("radio.trace"), "TX").join(' ');
    const QString taken = frames(path("cli.trace"), "RX").join(' ');
    QVERIFY(answered.startsWith(taken));
    QVERIFY(answered.size() - taken.size() <= 3);

    // A trace that cannot be written is told once, on either side; the transfer is not
    // harmed.
    RadioProcess untracedRadio({"--exit-with-parent", "--trace", path("no-such-folder/r")});
    QVERIFY(untracedRadio.start());
    const Run untraced = cli({"write", "--port", untracedRadio.devicePath(), path("file.dat"), "--trace", path("no-such-folder/t")});
    QCOMPARE(untraced.code, 0);
    QCOMPARE(untraced.err.count(QStringLiteral("cannot be written")), 1);
    QByteArray complaints;
    QTRY_VERIFY_WITH_TIMEOUT((complaints += untracedRadio.process().readAllStandardError()).contains("the trace"), timeBound(5000));
    QCOMPARE(complaints.count("the trace"), 1);
}

void TestCliTransfer::failuresExitWithOne()
{
    const Run missing = cli({"read", "--port", "/dev/kt913-no-such-port", "-o", path("none.dat")});
    QCOMPARE(missing.code, 1);
    QVERIFY(missing.err.startsWith(QStringLiteral("Serial port/dev/kt913-no-such-portInvalid")));
    QVERIFY(missing.err.contains(QStringLiteral("The serial port is invalid")));
    QVERIFY(!QFile::exists(path("none.dat")));

    RadioProcess silent({"--exit-with-parent", "--silent"});
    QVERIFY(silent.start());
    const Run timedOut = cli({"read", "--port", silent.devicePath(), "-o", path("none.dat")});
    QCOMPARE(timedOut.code, 1);
    QCOMPARE(timedOut.err.trimmed(), QStringLiteral("Communication error, check the line and the serial connection selection!"));
    QVERIFY(!QFile::exists(path("none.dat")));
}

void TestCliTransfer::badUsageExitsWithTwo()
{
    QVERIFY(writeDatFile(path("file.dat"), encodedImage(0)).ok());
    QFile wrong(path("wrong.dat"));
    QVERIFY(wrong.open(QIODevice::WriteOnly));
    wrong.write(QByteArray("HXP417") + QByteArray(3114, char(0xFF)));
    wrong.close();
    const QString port = QStringLiteral("/dev/kt913-no-such-port"); // never reached
    QCOMPARE(cli({"read", "--port", port}).code, 2);
    QCOMPARE(cli({"read", "-o", path("x.dat")}).code, 2);
    // An output that cannot be written is told before the radio is asked anything (the
    // port here would fail with 1).
    const Run nowhere = cli({"read", "--port", port, "-o", path("no-such-folder/x.dat")});
    QCOMPARE(nowhere.code, 2);
    QVERIFY(nowhere.err.contains(path("no-such-folder/x.dat")));
    QVERIFY(!QFileInfo::exists(path("no-such-folder")));
    QCOMPARE(cli({"write", "--port", port}).code, 2);
    QCOMPARE(cli({"write", "--port", port, path("file.dat"), "--band", "4"}).code, 2);
    QCOMPARE(cli({"write", "--port", port, path("file.dat"), "--bogus"}).code, 2);
    QCOMPARE(cli({"write", "--port", port, path("file.dat"), "--preview", "--repeat"}).code, 2);
    const Run wrongType = cli({"write", "--port", port, path("wrong.dat")});
    QCOMPARE(wrongType.code, 2);
    QCOMPARE(wrongType.err.trimmed(), path("wrong.dat") + QStringLiteral(": File type is incorrect!"));
}

QTEST_GUILESS_MAIN(TestCliTransfer)
#include "tst_CliTransfer.moc"
