// SPDX-License-Identifier: GPL-3.0-or-later
// kt913-cli write to several radios at once, and one after another with --repeat, against
// kt913-radio on pseudo-terminals.
#include "RadioProcess.h"
#include "support/CliRun.h"
#include "support/TestTime.h"
#include "image/DatFile.h"
#include "image/ImageCodec.h"
#include "image/RadioModel.h"
#include "support/SampleRadio.h"
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

using namespace kt913;
using namespace kt913::test;

namespace {

// What a write of `file` leaves in a radio: the written blocks (debug mode off).
bool holdsTheWrite(const QString &saved, const Image &file)
{
    Image radio{};
    if (!readDatFile(saved, radio).ok())
        return false;
    for (int a = 0; a < kImageSize; ++a)
        if ((a < 0x7C0 || a >= 0x800) && radio[std::size_t(a)] != file[std::size_t(a)])
            return false;
    return true;
}

} // namespace

class TestCliManyRadios : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    Image file{};
    QString path(const QString &name) const { return dir.filePath(name); }
private slots:
    void initTestCase()
    {
        RadioModel model;
        fillSampleRadio(model);
        EncodeImage(model);
        file = model.outputImage();
        QVERIFY(writeDatFile(path("file.dat"), file).ok());
    }
    void severalPortsInOneWrite();
    void repeatWritesTheNextRadioUntilInterrupted();
    void repeatLeavesARadioThatStaysOnTheCable();
};

void TestCliManyRadios::severalPortsInOneWrite()
{
    RadioProcess a({"--exit-with-parent", "--save", path("a.dat")});
    RadioProcess b({"--exit-with-parent", "--save", path("b.dat")});
    QVERIFY(a.start());
    QVERIFY(b.start());
    const QString missing = QStringLiteral("/dev/kt913-no-such-port");
    const CliRun run = runCli({"write", "--port", a.devicePath(), "--port", missing, "--port", b.devicePath(), path("file.dat")});
    QCOMPARE(run.code, 1); // one of the three failed
    QCOMPARE(run.out, a.devicePath() + QStringLiteral(": written\n") + missing
                          + QStringLiteral(": failed: The serial port is invalid\n") + b.devicePath()
                          + QStringLiteral(": written\n2 radio(s) written, 1 failed.\n"));
    QTRY_VERIFY_WITH_TIMEOUT(holdsTheWrite(path("a.dat"), file), timeBound(5000));
    QTRY_VERIFY_WITH_TIMEOUT(holdsTheWrite(path("b.dat"), file), timeBound(5000));
    // A progress line per port off a terminal: its start and its end.
    QVERIFY(run.err.contains(a.devicePath() + QStringLiteral(": writing\n")));
    QVERIFY(run.err.contains(b.devicePath() + QStringLiteral(": Writing succeeds frequently!\n")));

    QCOMPARE(runCli({"write", "--port", a.devicePath(), "--port", a.devicePath(), path("file.dat")}).code, 2);
}

// The first radio goes away after its write (the line hangs up at the program's next
// handshake, as a pulled cable), and the next one comes on the same link.
void TestCliManyRadios::repeatWritesTheNextRadioUntilInterrupted()
{
    const QString link = path("ttyKT913");
    // 199 frames: the handshake and End that found it, then the whole write.
    RadioProcess first({"--exit-with-parent", "--link", link, "--hangup-after", "199", "--save", path("first.dat")});
    QVERIFY(first.start());
    QProcess cli;
    cli.start(QStringLiteral(KT913_BINARY_DIR "/src/cli/kt913-cli"), {"write", "--repeat", "--port", link, path("file.dat")});
    QVERIFY(cli.waitForStarted());
    QVERIFY(first.process().waitForFinished(timeBound(20000)));
    QVERIFY(holdsTheWrite(path("first.dat"), file));

    RadioProcess second({"--exit-with-parent", "--link", link, "--save", path("second.dat")});
    QVERIFY(second.start());
    QTRY_VERIFY_WITH_TIMEOUT(holdsTheWrite(path("second.dat"), file), timeBound(20000));
    QByteArray progress;
    QTRY_VERIFY_WITH_TIMEOUT((progress += cli.readAllStandardError()).contains("2 radio(s) written"), timeBound(5000));
    ::kill(pid_t(cli.processId()), SIGINT);
    QVERIFY(cli.waitForFinished(timeBound(10000)));
    QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
    QCOMPARE(cli.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(cli.readAllStandardOutput()),
             link + QStringLiteral(": 2 radio(s) written\n2 radio(s) written, 0 failed.\n"));
}

// A radio left on the cable keeps answering: it is not written a second time.
void TestCliManyRadios::repeatLeavesARadioThatStaysOnTheCable()
{
    RadioProcess radio({"--exit-with-parent", "--save", path("stays.dat"), "--log", path("stays.log")});
    QVERIFY(radio.start());
    QProcess cli;
    cli.start(QStringLiteral(KT913_BINARY_DIR "/src/cli/kt913-cli"), {"write", "--repeat", "--port", radio.devicePath(), path("file.dat")});
    QTRY_VERIFY_WITH_TIMEOUT(holdsTheWrite(path("stays.dat"), file), timeBound(20000));
    // Four handshakes answered after the write: one more than it takes to count a radio
    // as taken off.
    const auto handshakes = [&] { return readLines(path("stays.log")).count(QStringLiteral("PROGRAM")); };
    const int afterWrite = handshakes();
    QTRY_VERIFY_WITH_TIMEOUT(handshakes() >= afterWrite + 4, timeBound(20000));
    ::kill(pid_t(cli.processId()), SIGINT);
    QVERIFY(cli.waitForFinished(timeBound(10000)));
    QCOMPARE(cli.exitCode(), 0);
    QCOMPARE(cli.readAllStandardError().count(": writing\n"), 1);
    QCOMPARE(QString::fromUtf8(cli.readAllStandardOutput()),
             radio.devicePath() + QStringLiteral(": 1 radio(s) written\n1 radio(s) written, 0 failed.\n"));
}

QTEST_GUILESS_MAIN(TestCliManyRadios)
#include "tst_CliManyRadios.moc"
