// SPDX-License-Identifier: GPL-3.0-or-later
// The headless transfer layer over a scripted port: what listeners hear, and when; the
// time-outs, probes and read-backs with the link's waits shortened to a few milliseconds.
#include "support/FakeSerialLine.h"
#include "ScriptedRadio.h"
#include "support/TestTime.h"
#include "image/ImageCodec.h"
#include "image/MemoryMap.h"
#include "image/RadioModel.h"
#include "link/Transfer.h"
#include <QSignalSpy>
#include <QTest>

using namespace kt913;
using namespace kt913::test;
using Ending = Transfer::Ending;

namespace {

const QByteArray kHandshake("PROGRAM"), kEnd("E");

// Eleven ticks are eleven turns of the event loop, and a reply on the line comes in the
// next one: a 1 ms tick times out only a radio that does not answer, however busy the
// machine.
LinkTiming quickTiming()
{
    LinkTiming t;
    t.tickMs = 1;
    t.probeMs = 50;
    t.settleMs = 1;
    t.readBackDelayMs = 1;
    return t;
}

struct Rig {
    RadioModel model;
    FakeSerialLine *port = new FakeSerialLine;
    Transfer transfer{model, std::unique_ptr<SerialLine>(port)};
    QSignalSpy finished{&transfer, &Transfer::finished};
    QSignalSpy started{&transfer, &Transfer::started};
    QSignalSpy progress{&transfer, &Transfer::progressChanged};
    QSignalSpy questions{&transfer, &Transfer::bandQuestion};

    QByteArray converse(ScriptedRadio &radio)
    {
        const ProtocolEngine &engine = transfer.engine();
        return test::converse(
            *port, radio, [&engine] { return engine.isRunning(); },
            [&engine] { return engine.state().WriteActive ? int(engine.state().WriteStep) : 0; });
    }
    Ending waitForEnding()
    {
        if (finished.isEmpty() && !finished.wait(timeBound(5000)))
            return Ending(-1);
        return finished.takeFirst().at(0).value<Ending>();
    }
};

} // namespace

class TestTransfer : public QObject {
    Q_OBJECT
private slots:
    void readDecodesAfterTheReceiveEvent();
    void writeEncodesAfterTheHandshake();
    void closedPortSendsNothing();
    void aLostPortIsOpenedAgainBeforeTheNextTransfer();
    void bandQuestionIsQueued_data();
    void bandQuestionIsQueued();
    void bandRefusalStopsTimerW();
    void aSilentRadioTimesOut_data();
    void aSilentRadioTimesOut();
    void verifyReadsBackUntilTheRadioAnswers_data();
    void verifyReadsBackUntilTheRadioAnswers();
    void probe_data();
    void probe();
};

void TestTransfer::readDecodesAfterTheReceiveEvent()
{
    Rig rig;
    ScriptedRadio radio;
    radio.memory = patternImage(1);
    radio.memory[map::kReserved717] = 0x5A;

    QVERIFY(rig.transfer.startRead());
    QVERIFY(rig.transfer.isRunning());
    QVERIFY(!rig.transfer.startWrite()); // one at a time
    QCOMPARE(rig.transfer.timerW().objectName(), QStringLiteral("TimerW"));
    QVERIFY(rig.transfer.timerW().isActive());
    QCOMPARE(rig.transfer.timerW().interval(), 200);
    rig.converse(radio);

    // The last step ran inside a receive event; nothing may have reached a listener
    // from there, so a slot can open a message box without stalling the port.
    QVERIFY(!rig.transfer.engine().isRunning());
    QCOMPARE(rig.finished.count(), 0);
    QVERIFY(rig.transfer.isRunning());
    QVERIFY(!rig.transfer.timerW().isActive());

    QCOMPARE(rig.waitForEnding(), Ending::ReadFinished);
    QVERIFY(!rig.transfer.isRunning());
    QCOMPARE(rig.started.count(), 1);
    QVERIFY(rig.transfer.receivedImage() == radio.memory);
    QCOMPARE(int(rig.model.memoryImage()[map::kReserved717]), 0xFF); // the decoder ran
    QCOMPARE(rig.progress.last().at(0).toInt(), Transfer::kSteps);
    QVERIFY(rig.progress.count() <= Transfer::kSteps); // one report per step, not per event
    QCOMPARE(Transfer::messageFor(Ending::ReadFinished), std::optional(MessageId::ReadSucceeded));
}

void TestTransfer::writeEncodesAfterTheHandshake()
{
    Rig rig;
    ScriptedRadio radio;
    int tagAtHandshake = -1;
    rig.port->onOutput = [&](const QByteArray &bytes) {
        if (bytes == "PROGRAM")
            tagAtHandshake = rig.model.outputImage()[map::kTag];
    };
    QVERIFY(rig.transfer.startWrite());
    QCOMPARE(tagAtHandshake, 0);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(&rig.model.outputImage()[map::kTag]), map::kTagLength),
             QByteArray("QXV-DW"));
    rig.converse(radio);
    QCOMPARE(rig.waitForEnding(), Ending::WriteFinished);
    for (int a = 0; a < 0x7C0; ++a)
        QCOMPARE(radio.memory[a], rig.model.outputImage()[a]);
}

void TestTransfer::aLostPortIsOpenedAgainBeforeTheNextTransfer()
{
    Rig rig;
    QSignalSpy lost(&rig.transfer, &Transfer::portLost), back(&rig.transfer, &Transfer::portReopened);
    rig.port->setPortName(QStringLiteral("/dev/ttyUSB0"));
    rig.port->fail();
    QCOMPARE(lost.count(), 1);
    // Still away: the read is refused as on a port never opened, and tried again later.
    rig.port->openFails = true;
    QVERIFY(!rig.transfer.startRead());
    QCOMPARE(rig.waitForEnding(), Ending::PortInvalid);
    rig.port->openFails = false;
    QVERIFY(rig.transfer.startRead());
    QVERIFY(rig.port->isOpen());
    QCOMPARE(rig.port->portName(), QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(back.count(), 1);
    QVERIFY(rig.port->outputs.size() > 0); // the handshake went out on the port opened again

    // A port that was simply never opened is not opened behind the user's back.
    Rig fresh;
    fresh.port->closePort();
    QVERIFY(!fresh.transfer.startRead());
    QCOMPARE(fresh.port->opens, 0);
}

void TestTransfer::closedPortSendsNothing()
{
    for (const bool write : {false, true}) {
        Rig rig;
        rig.port->closePort();
        QVERIFY(!(write ? rig.transfer.startWrite() : rig.transfer.startRead()));
        QVERIFY(rig.port->outputs.isEmpty());
        QVERIFY(!rig.transfer.isRunning());
        QVERIFY(rig.model.outputImage() == Image{}); // the encoder did not run
        QCOMPARE(rig.finished.count(), 0);        // not from inside the command
        QCOMPARE(rig.waitForEnding(), Ending::PortInvalid);
        QCOMPARE(rig.started.count(), 0);
        QCOMPARE(Transfer::messageFor(Ending::PortInvalid), std::optional(MessageId::PortInvalid));
    }
}

void TestTransfer::bandQuestionIsQueued_data()
{
    QTest::addColumn<bool>("writeAnyway");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void TestTransfer::bandQuestionIsQueued()
{
    QFETCH(bool, writeAnyway);
    Rig rig;
    ScriptedRadio radio;
    radio.band = 2;
    rig.model.setForceWriteUnlocked(true);
    rig.transfer.startWrite();
    rig.converse(radio); // stops when the engine waits for the answer
    QCOMPARE(rig.questions.count(), 0);
    QVERIFY(rig.questions.wait(timeBound(5000)));
    QVERIFY(!rig.transfer.timerW().isActive());

    rig.transfer.answerBandQuestion(writeAnyway);
    if (writeAnyway) {
        QVERIFY(rig.transfer.timerW().isActive());
        rig.converse(radio);
        QCOMPARE(rig.waitForEnding(), Ending::WriteFinished);
    } else {
        QCOMPARE(rig.port->takeSent(), QByteArray("E"));
        QCOMPARE(rig.waitForEnding(), Ending::BandMismatchCancelled);
        QVERIFY(!Transfer::messageFor(Ending::BandMismatchCancelled));
    }
    QVERIFY(!rig.transfer.isRunning());
    QVERIFY(!rig.transfer.timerW().isActive());
}

void TestTransfer::bandRefusalStopsTimerW()
{
    Rig rig;
    ScriptedRadio radio;
    radio.band = 1;
    rig.transfer.startWrite();
    rig.converse(radio);
    QVERIFY(!rig.transfer.timerW().isActive());
    QCOMPARE(rig.waitForEnding(), Ending::BandMismatchRefused);
    QCOMPARE(rig.questions.count(), 0);
}

void TestTransfer::aSilentRadioTimesOut_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("answered"); // frames the radio answers before it falls silent
    QTest::addColumn<bool>("portFails"); // the port goes away there instead
    QTest::addColumn<QByteArray>("model");
    const QByteArray ours("HXP417");
    // A read sends 391 frames: the handshake, 02, 06, a request and an acknowledge for
    // each of 193 blocks, and two Ends. A write sends 197: the handshake, 02, 06, a
    // frame for each of 192 blocks and two acknowledges in place of the alignment, an End.
    QTest::newRow("read: no answer to the handshake") << false << 0 << false << ours;
    QTest::newRow("read: no identification") << false << 1 << false << ours;
    QTest::newRow("read: silent among the blocks") << false << 100 << false << ours;
    QTest::newRow("read: no answer to the End") << false << 389 << false << ours;
    QTest::newRow("read: the port goes away among the blocks") << false << 100 << true << ours;
    QTest::newRow("write: no answer to the handshake") << true << 0 << false << ours;
    QTest::newRow("write: no identification") << true << 1 << false << ours;
    QTest::newRow("write: no answer to the acknowledge") << true << 2 << false << ours;
    QTest::newRow("write: silent among the blocks") << true << 150 << false << ours;
    QTest::newRow("write: the last block unanswered") << true << 195 << false << ours;
    QTest::newRow("write: the port goes away among the blocks") << true << 150 << true << ours;
    QTest::newRow("write: another model") << true << 1000 << false << QByteArray("HXP418");
}

void TestTransfer::aSilentRadioTimesOut()
{
    QFETCH(bool, write);
    QFETCH(int, answered);
    QFETCH(bool, portFails);
    QFETCH(QByteArray, model);
    Rig rig;
    rig.transfer.setTiming(quickTiming());
    rig.port->setPortName(QStringLiteral("/dev/ttyUSB0"));
    QSignalSpy lost(&rig.transfer, &Transfer::portLost);
    ScriptedRadio radio;
    radio.memory = patternImage(3);
    EncodeImage(rig.model);
    const Image editorsBefore = rig.model.outputImage();
    int frames = 0;
    bool faultDone = false;
    answerOnTheLine(*rig.port, radio, [&](const QByteArray &frame, const QByteArray &answer) {
        if (faultDone)
            return answer; // the fault is past: the next transfer goes through
        if (++frames <= answered)
            return frame == QByteArray(1, 0x02) ? identification(radio.band, model) : answer;
        if (portFails && rig.port->isOpen())
            rig.port->fail();
        return QByteArray();
    });

    write ? rig.transfer.startWrite() : rig.transfer.startRead();
    QCOMPARE(rig.waitForEnding(), Ending::CommunicationTimeout);
    QVERIFY(rig.port->outputs.last() == kEnd);
    QVERIFY(!rig.transfer.timerW().isActive());
    QCOMPARE(rig.port->receiveThreshold(), 1);
    QCOMPARE(lost.count(), portFails ? 1 : 0);
    EncodeImage(rig.model);
    QVERIFY2(rig.model.outputImage() == editorsBefore, "a failed transfer leaves the editors alone");

    // Once the radio answers again (on the port opened again), the same transfer succeeds.
    faultDone = true;
    QVERIFY(write ? rig.transfer.startWrite() : rig.transfer.startRead());
    QVERIFY(rig.port->isOpen());
    QCOMPARE(rig.waitForEnding(), write ? Ending::WriteFinished : Ending::ReadFinished);
    if (write)
        QVERIFY(std::equal(radio.memory.begin(), radio.memory.begin() + 0x7C0, rig.model.outputImage().begin()));
    else
        QVERIFY(rig.transfer.receivedImage() == radio.memory);
}

void TestTransfer::verifyReadsBackUntilTheRadioAnswers_data()
{
    QTest::addColumn<int>("mutedReadBacks"); // read-backs the radio, restarting, misses
    QTest::addColumn<int>("failingCell");    // an address that does not keep what is written
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<int>("readBacks");
    QTest::newRow("at once") << 0 << -1 << Ending::WriteFinished << 1;
    QTest::newRow("after one missed") << 1 << -1 << Ending::WriteFinished << 2;
    QTest::newRow("after two missed") << 2 << -1 << Ending::WriteFinished << 3;
    QTest::newRow("never") << 3 << -1 << Ending::VerifyFailed << 3;
    QTest::newRow("a cell that differs") << 0 << 0x123 << Ending::VerifyFailed << 1;
    QTest::newRow("a cell that differs, after one missed") << 1 << 0x7B5 << Ending::VerifyFailed << 2;
}

void TestTransfer::verifyReadsBackUntilTheRadioAnswers()
{
    QFETCH(int, mutedReadBacks);
    QFETCH(int, failingCell);
    QFETCH(Ending, ending);
    QFETCH(int, readBacks);
    Rig rig;
    rig.transfer.setTiming(quickTiming());
    rig.transfer.setVerifyWrites(true);
    rig.model.setMemoryImage(patternImage(5));
    const Image memoryBefore = rig.model.memoryImage();
    QSignalSpy verifying(&rig.transfer, &Transfer::verifyStarted);
    ScriptedRadio radio;
    int handshakes = 0;
    answerOnTheLine(*rig.port, radio, [&](const QByteArray &frame, const QByteArray &answer) {
        if (frame == kHandshake)
            ++handshakes;
        if (frame == kEnd && handshakes == 1 && failingCell >= 0)
            radio.memory[std::size_t(failingCell)] ^= 0xFF;
        const int readBack = handshakes - 1;
        return readBack >= 1 && readBack <= mutedReadBacks ? QByteArray() : answer;
    });

    QVERIFY(rig.transfer.startWrite());
    QCOMPARE(rig.waitForEnding(), ending);
    QCOMPARE(handshakes - 1, readBacks);
    QCOMPARE(verifying.count(), 1);
    const VerifyResult &verify = rig.transfer.lastVerify();
    QCOMPARE(verify.readBack, mutedReadBacks < LinkTiming{}.readBackAttempts);
    QCOMPARE(verify.differing, failingCell >= 0 ? 1 : 0);
    QCOMPARE(verify.firstAddress, failingCell);
    QVERIFY2(rig.model.memoryImage() == memoryBefore, "the read-back leaves the model alone");
    QVERIFY(!rig.transfer.isRunning());
    QVERIFY(!rig.transfer.timerW().isActive());
}

void TestTransfer::probe_data()
{
    QTest::addColumn<bool>("radioAnswers");
    QTest::addColumn<bool>("portLost");
    QTest::addColumn<bool>("stillAway");
    QTest::addColumn<QByteArray>("wire");
    QTest::newRow("a radio answers") << true << false << false << kHandshake + kEnd;
    QTest::newRow("no radio") << false << false << false << kHandshake;
    QTest::newRow("a lost port that is back") << true << true << false << kHandshake + kEnd;
    QTest::newRow("a lost port still away") << true << true << true << QByteArray();
}

void TestTransfer::probe()
{
    QFETCH(bool, radioAnswers);
    QFETCH(bool, portLost);
    QFETCH(bool, stillAway);
    QFETCH(QByteArray, wire);
    Rig rig;
    rig.transfer.setTiming(quickTiming());
    rig.port->setPortName(QStringLiteral("/dev/ttyUSB0"));
    QSignalSpy presence(&rig.transfer, &Transfer::presence), back(&rig.transfer, &Transfer::portReopened);
    ScriptedRadio radio;
    QByteArray heard;
    answerOnTheLine(*rig.port, radio, [&](const QByteArray &frame, const QByteArray &answer) {
        heard += frame;
        return radioAnswers ? answer : QByteArray();
    });
    if (portLost)
        rig.port->fail();
    rig.port->openFails = stillAway;

    QVERIFY(rig.transfer.probe());
    QVERIFY(!rig.transfer.probe()); // one at a time
    QVERIFY(!rig.transfer.startRead());
    QVERIFY(presence.wait(timeBound(5000)));
    QCOMPARE(presence.count(), 1);
    const bool answered = radioAnswers && !stillAway;
    QCOMPARE(presence.first().at(0).toBool(), answered);
    QCOMPARE(back.count(), portLost && !stillAway ? 1 : 0);
    QCOMPARE(heard + rig.port->takeSent(), wire);
    QVERIFY(!rig.transfer.isProbing());

    // Nothing of the probe stands in the way of the write that follows it.
    if (answered) {
        QVERIFY(rig.transfer.startWrite());
        QCOMPARE(rig.waitForEnding(), Ending::WriteFinished);
    }
}

QTEST_GUILESS_MAIN(TestTransfer)
#include "tst_Transfer.moc"
