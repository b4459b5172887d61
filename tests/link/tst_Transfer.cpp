// The headless transfer layer over a scripted port: what listeners hear, and when.
#include "FakePort.h"
#include "ScriptedRadio.h"
#include "image/MemoryMap.h"
#include "image/RadioModel.h"
#include "link/Transfer.h"
#include <QSignalSpy>
#include <QTest>

using namespace kt913;
using namespace kt913::test;
using Ending = Transfer::Ending;

namespace {

struct Rig {
    RadioModel model;
    FakePort *port = new FakePort;
    Transfer transfer{model, std::unique_ptr<MSComm>(port)};
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
        if (finished.isEmpty() && !finished.wait(5000))
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
    QCOMPARE(int(rig.model.memoryImage[map::kReserved717]), 0xFF); // the decoder ran
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
            tagAtHandshake = rig.model.outputImage[map::kTag];
    };
    QVERIFY(rig.transfer.startWrite());
    QCOMPARE(tagAtHandshake, 0);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(&rig.model.outputImage[map::kTag]), map::kTagLength),
             QByteArray("QXV-DW"));
    rig.converse(radio);
    QCOMPARE(rig.waitForEnding(), Ending::WriteFinished);
    for (int a = 0; a < 0x7C0; ++a)
        QCOMPARE(radio.memory[a], rig.model.outputImage[a]);
}

void TestTransfer::aLostPortIsOpenedAgainBeforeTheNextTransfer()
{
    Rig rig;
    QSignalSpy lost(&rig.transfer, &Transfer::portLost), back(&rig.transfer, &Transfer::portReopened);
    rig.port->setCommPort(QStringLiteral("/dev/ttyUSB0"));
    rig.port->fail();
    QCOMPARE(lost.count(), 1);
    // Still away: the read is refused as on a port never opened, and tried again later.
    rig.port->openFails = true;
    QVERIFY(!rig.transfer.startRead());
    QCOMPARE(rig.waitForEnding(), Ending::PortInvalid);
    rig.port->openFails = false;
    QVERIFY(rig.transfer.startRead());
    QVERIFY(rig.port->PortOpen());
    QCOMPARE(rig.port->CommPort(), QStringLiteral("/dev/ttyUSB0"));
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
        QVERIFY(rig.model.outputImage == Image{}); // the encoder did not run
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
    QVERIFY(rig.questions.wait(5000));
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

QTEST_GUILESS_MAIN(TestTransfer)
#include "tst_Transfer.moc"
