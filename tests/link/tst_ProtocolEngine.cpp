// SPDX-License-Identifier: GPL-3.0-or-later
// The protocol engine alone, fed by a scripted port and driven tick by tick.
#include "support/FakeSerialLine.h"
#include "ScriptedRadio.h"
#include "image/RadioModel.h"
#include "link/ProtocolEngine.h"
#include <QSignalSpy>
#include <QTest>

using namespace kt913;
using namespace kt913::test;
using Outcome = ProtocolEngine::Outcome;

namespace {

QByteArray readRequest(int address)
{
    return QByteArray("R") + char(address >> 8) + char(address & 0xFF) + char(0x10);
}

QByteArray writeFrame(const Image &image, int address)
{
    QByteArray frame = QByteArray("W") + char(address >> 8) + char(address & 0xFF) + char(0x10);
    for (int i = 0; i < 16; ++i)
        frame += address + i < kImageSize ? char(image[std::size_t(address + i)]) : char(0);
    return frame;
}

const QByteArray kAck(1, 0x06);
const QByteArray kEnd("E");

struct Rig {
    RadioModel model;
    FakeSerialLine port;
    ProtocolEngine engine{model, port};
    QSignalSpy outcomes{&engine, &ProtocolEngine::outcome};
    QSignalSpy progress{&engine, &ProtocolEngine::progress};

    Outcome lastOutcome() const { return outcomes.last().at(0).value<Outcome>(); }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            engine.tick();
    }
    // Starts a write and answers the handshake and the identify request.
    void writeUpToIdentification(std::uint8_t band)
    {
        engine.startWrite();
        port.feed(kAck);
        port.takeSent();
        port.feed(identification(band));
    }
    QByteArray converse(ScriptedRadio &radio, const QByteArray &ack = kAck)
    {
        return test::converse(
            port, radio, [this] { return engine.isRunning(); }, [this] { return engine.state().WriteActive ? int(engine.state().WriteStep) : 0; },
            ack);
    }
};

} // namespace

class TestProtocolEngine : public QObject {
    Q_OBJECT
private slots:
    void wholeRead();
    void wholeWrite_data();
    void wholeWrite();
    void readAcknowledgeMustStandAlone();
    void timeoutOnEleventhTickKeepsReceptionText();
    void transitionRestartsTimeoutCount();
    void bandCode_data();
    void bandCode();
    void bandMismatchRefusedStopsTimer();
    void bandQuestionAnswered_data();
    void bandQuestionAnswered();
    void wrongIdentificationIsNotAnswered_data();
    void wrongIdentificationIsNotAnswered();
    void chatterOnThePortStaysBounded_data();
    void chatterOnThePortStaysBounded();
};

void TestProtocolEngine::wholeRead()
{
    Rig rig;
    ScriptedRadio radio;
    radio.memory = patternImage(3);
    rig.model.memoryImageToFill().fill(0);

    QVERIFY(rig.engine.startRead());
    QVERIFY(rig.engine.state().TimerWEnabled);
    QVERIFY(!rig.engine.startWrite()); // one transfer at a time
    const QByteArray wire = rig.converse(radio);

    QByteArray expected = "PROGRAM";
    expected += char(0x02);
    expected += kAck;
    for (int address = 0; address <= 0xC00; address += 16)
        expected += readRequest(address) + kAck;
    expected += "EE";
    QCOMPARE(wire.toHex(' '), expected.toHex(' '));

    QCOMPARE(rig.outcomes.count(), 1);
    QCOMPARE(rig.lastOutcome(), Outcome::ReadFinished);
    QVERIFY(rig.model.memoryImage() == radio.memory); // block 0xC00 dropped, nothing beyond
    const TransferState &s = rig.engine.state();
    QVERIFY(!s.ReadActive && !s.TimerWEnabled && s.SendBuffer.isEmpty());
    QCOMPARE(s.ReadStep, qint16(196));
    QCOMPARE(rig.port.receiveThreshold(), 1);

    // The handshake is one send; every later byte, frames included, goes on its own.
    QCOMPARE(rig.port.outputs.first(), QByteArray("PROGRAM"));
    for (int i = 1; i < rig.port.outputs.size(); ++i)
        QCOMPARE(rig.port.outputs.at(i).size(), 1);

    int last = 0;
    for (const QList<QVariant> &args : rig.progress) {
        const int step = args.at(0).toInt();
        QVERIFY(step >= last && step >= 1 && step <= 196);
        last = step;
    }
    QCOMPARE(last, 196);
}

void TestProtocolEngine::wholeWrite_data()
{
    QTest::addColumn<bool>("debug");
    QTest::addColumn<QByteArray>("ack");
    QTest::newRow("plain") << false << kAck;
    QTest::newRow("debug blocks") << true << kAck;
    QTest::newRow("06 across two bytes") << false << QByteArray("\x10\x60", 2);
    QTest::newRow("06 among noise") << true << QByteArray("\xFF\x06\xFF", 3);
}

void TestProtocolEngine::wholeWrite()
{
    QFETCH(bool, debug);
    QFETCH(QByteArray, ack);
    Rig rig;
    ScriptedRadio radio;
    const Image before = radio.memory;
    rig.model.setOutputImage(patternImage(11));
    rig.model.setDebugUnlocked(debug);

    QVERIFY(rig.engine.startWrite());
    const QByteArray wire = rig.converse(radio, ack);

    QByteArray expected = "PROGRAM";
    expected += char(0x02);
    expected += kAck;
    for (int address = 0; address <= 0x7B0; address += 16)
        expected += writeFrame(rig.model.outputImage(), address);
    if (debug)
        expected += writeFrame(rig.model.outputImage(), 0x7E0) + writeFrame(rig.model.outputImage(), 0x7F0);
    else
        expected += kAck + kAck;
    for (int address = 0x800; address <= 0xC20; address += 16)
        expected += writeFrame(rig.model.outputImage(), address);
    expected += kEnd;
    QCOMPARE(wire.toHex(' '), expected.toHex(' '));
    QCOMPARE(wire.right(20 + 1).left(20), QByteArray("W\x0C\x20\x10", 4) + QByteArray(16, 0));

    QCOMPARE(rig.outcomes.count(), 1);
    QCOMPARE(rig.lastOutcome(), Outcome::WriteFinished);
    for (int a = 0; a < kImageSize; ++a) {
        const bool neverWritten = a >= 0x7C0 && a < 0x7E0;
        const bool debugBlock = a >= 0x7E0 && a < 0x800;
        const std::uint8_t want = neverWritten || (debugBlock && !debug) ? before[a] : rig.model.outputImage()[a];
        QCOMPARE(int(radio.memory[std::size_t(a)]), int(want));
    }
    QVERIFY(!rig.engine.state().TimerWEnabled);
    QCOMPARE(rig.engine.state().WriteStep, qint16(196));
}

void TestProtocolEngine::readAcknowledgeMustStandAlone()
{
    // Step 2 of a read wants exactly one 06; two in one reception are not accepted.
    Rig rig;
    rig.engine.startRead();
    rig.port.takeSent();
    rig.port.feed(kAck);
    QCOMPARE(rig.port.takeSent(), QByteArray(1, 0x02));
    rig.port.feed(identification(0));
    QCOMPARE(rig.port.takeSent(), kAck);
    rig.port.feed(QByteArray(2, 0x06));
    QCOMPARE(rig.port.takeSent(), QByteArray());
    QCOMPARE(rig.engine.state().ReadStep, qint16(2));
    rig.ticks(11);
    QCOMPARE(rig.port.takeSent(), kEnd);
    QCOMPARE(rig.lastOutcome(), Outcome::CommunicationTimeout);
}

void TestProtocolEngine::timeoutOnEleventhTickKeepsReceptionText()
{
    Rig rig;
    rig.ticks(20); // TimerW is off while idle
    QCOMPARE(rig.outcomes.count(), 0);
    rig.port.feed(QByteArray("\x41", 1)); // bytes while idle only grow the text
    QCOMPARE(rig.engine.state().RxHex, QStringLiteral("41"));

    rig.engine.startRead();
    QCOMPARE(rig.engine.state().RxHex, QStringLiteral("41")); // a start does not clear it
    rig.port.feed(kAck);
    rig.port.feed(identification(0));
    rig.port.feed(kAck);
    QCOMPARE(rig.port.receiveThreshold(), 20); // a data frame is awaited
    rig.port.takeSent();
    rig.port.feed(QByteArray("\x57\x00\x00", 3)); // a frame that never completes

    rig.ticks(10);
    QCOMPARE(rig.outcomes.count(), 0);
    QCOMPARE(rig.port.takeSent(), QByteArray());
    rig.engine.tick();
    QCOMPARE(rig.outcomes.count(), 1);
    QCOMPARE(rig.lastOutcome(), Outcome::CommunicationTimeout);
    QCOMPARE(rig.port.takeSent(), kEnd);
    QCOMPARE(rig.port.receiveThreshold(), 1);
    const TransferState &s = rig.engine.state();
    QVERIFY(!s.ReadActive && !s.WriteActive && !s.TimerWEnabled);
    QCOMPARE(s.TimeoutTicks, qint16(0));

    // With the threshold back at 1 the stranded bytes arrive; they stay in the text,
    // and the next transfer starts with it: any reply now passes "contains 06".
    rig.port.feed(QByteArray(1, 0x06));
    QCOMPARE(rig.engine.state().RxHex, QStringLiteral("57000006"));
    rig.engine.startRead();
    rig.port.feed(QByteArray(1, char(0xFF)));
    QCOMPARE(rig.port.takeSent().right(1), QByteArray(1, 0x02));
}

void TestProtocolEngine::transitionRestartsTimeoutCount()
{
    Rig rig;
    rig.engine.startWrite();
    rig.ticks(10);
    rig.port.feed(kAck); // step 1 passes: the count starts again
    rig.ticks(10);
    QCOMPARE(rig.outcomes.count(), 0);
    rig.port.feed(QByteArray("HXP4", 4)); // a reply that passes no test is no transition
    rig.engine.tick();
    QCOMPARE(rig.outcomes.count(), 1);
    QCOMPARE(rig.lastOutcome(), Outcome::CommunicationTimeout);
    QVERIFY(!rig.engine.state().WriteActive);
}

void TestProtocolEngine::bandCode_data()
{
    QTest::addColumn<int>("bandByte");
    QTest::addColumn<int>("code"); // -1: matches no selection
    QTest::newRow("00") << 0x00 << 0;
    QTest::newRow("02") << 0x02 << 2;
    QTest::newRow("03") << 0x03 << 3;
    QTest::newRow("1A digit then letter") << 0x1A << 1;
    QTest::newRow("A0 letter first") << 0xA0 << 0;
    QTest::newRow("12 two digits") << 0x12 << -1;
    QTest::newRow("FF") << 0xFF << 0;
}

void TestProtocolEngine::bandCode()
{
    QFETCH(int, bandByte);
    QFETCH(int, code);
    for (int selection = 0; selection <= 3; ++selection) {
        Rig rig;
        rig.model.selectBandQuietly(selection);
        rig.writeUpToIdentification(std::uint8_t(bandByte));
        const bool accepted = selection == code;
        QCOMPARE(rig.port.takeSent(), accepted ? kAck : kEnd);
        QCOMPARE(rig.engine.state().WriteStep, qint16(accepted ? 3 : 2));
        QCOMPARE(rig.engine.state().WriteActive, accepted);
        if (!accepted)
            QCOMPARE(rig.lastOutcome(), Outcome::BandMismatchRefused);
    }
    QCOMPARE(frames::bandCode(QStringLiteral("485850343137") + QStringLiteral("%1").arg(bandByte, 2, 16, QChar('0')).toUpper() + "00"),
             code < 0 ? 12 : code);
}

void TestProtocolEngine::bandMismatchRefusedStopsTimer()
{
    Rig rig;
    rig.writeUpToIdentification(1);
    QCOMPARE(rig.port.takeSent(), kEnd);
    QCOMPARE(rig.lastOutcome(), Outcome::BandMismatchRefused);
    QVERIFY(!rig.engine.state().TimerWEnabled);
    QVERIFY(rig.engine.state().SendBuffer.isEmpty());
    // However long the refusal stays on screen, no time-out follows it.
    rig.ticks(30);
    QCOMPARE(rig.outcomes.count(), 1);
    QCOMPARE(rig.port.takeSent(), QByteArray());
}

void TestProtocolEngine::bandQuestionAnswered_data()
{
    QTest::addColumn<bool>("writeAnyway");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void TestProtocolEngine::bandQuestionAnswered()
{
    QFETCH(bool, writeAnyway);
    Rig rig;
    rig.model.setForceWriteUnlocked(true);
    rig.model.setOutputImage(patternImage(5));
    rig.writeUpToIdentification(3);
    QCOMPARE(rig.lastOutcome(), Outcome::BandMismatchToConfirm);
    QCOMPARE(rig.port.takeSent(), QByteArray());
    QVERIFY(!rig.engine.state().TimerWEnabled);
    QVERIFY(rig.engine.state().WriteActive);
    rig.ticks(30); // the radio waits as long as the user does
    rig.port.feed(QByteArray(1, 0x00)); // a stray byte does not ask again
    QCOMPARE(rig.outcomes.count(), 1);

    rig.engine.answerBandQuestion(writeAnyway);
    if (writeAnyway) {
        QCOMPARE(rig.port.takeSent(), kAck);
        QVERIFY(rig.engine.state().TimerWEnabled);
        QCOMPARE(rig.engine.state().WriteStep, qint16(3));
        rig.port.feed(kAck);
        QCOMPARE(rig.port.takeSent(), writeFrame(rig.model.outputImage(), 0));
    } else {
        QCOMPARE(rig.port.takeSent(), kEnd);
        QVERIFY(!rig.engine.isRunning());
        QVERIFY(!rig.engine.state().TimerWEnabled);
        QVERIFY(rig.engine.state().SendBuffer.isEmpty());
    }
    rig.engine.answerBandQuestion(true); // a second answer is not a second question
    QCOMPARE(rig.port.takeSent(), QByteArray());
    QCOMPARE(rig.outcomes.count(), 1);
}

void TestProtocolEngine::wrongIdentificationIsNotAnswered_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("other model") << identification(0, "HXP418");
    QTest::newRow("nine bytes") << identification(0) + char(0);
    QTest::newRow("seven bytes") << identification(0).left(7);
}

void TestProtocolEngine::wrongIdentificationIsNotAnswered()
{
    QFETCH(QByteArray, reply);
    for (const bool write : {false, true}) {
        Rig rig;
        write ? rig.engine.startWrite() : rig.engine.startRead();
        rig.port.feed(kAck);
        rig.port.takeSent();
        rig.port.feed(reply);
        QCOMPARE(rig.port.takeSent(), QByteArray());
        rig.ticks(10);
        QCOMPARE(rig.outcomes.count(), 0);
        rig.engine.tick();
        QCOMPARE(rig.port.takeSent(), kEnd);
        QCOMPARE(rig.lastOutcome(), Outcome::CommunicationTimeout);
    }
}

void TestProtocolEngine::chatterOnThePortStaysBounded_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<bool>("containsAcknowledge");
    QTest::newRow("an acknowledge long ago") << QByteArray(1, 0x06) << true;
    QTest::newRow("06 straddling long ago") << QByteArray("\x10\x60", 2) << true;
    QTest::newRow("never an acknowledge") << QByteArray(1, 0x01) << false;
}

void TestProtocolEngine::chatterOnThePortStaysBounded()
{
    // Another device on the chosen port talks for a long time while no transfer runs.
    QFETCH(QByteArray, first);
    QFETCH(bool, containsAcknowledge);
    Rig rig;
    rig.port.feed(first);
    for (int i = 0; i < 200; ++i)
        rig.port.feed(QByteArray(1000, char(0xFF)));
    QVERIFY(rig.engine.state().RxHex.size() <= frames::kReceptionTextLimit + 2);
    QCOMPARE(frames::containsAcknowledge(rig.engine.state().RxHex), containsAcknowledge);

    // The next transfer judges the text as if it had been kept whole.
    rig.engine.startWrite();
    rig.port.takeSent();
    rig.port.feed(QByteArray(1, 0x10));
    QCOMPARE(rig.port.takeSent(), containsAcknowledge ? QByteArray(1, 0x02) : QByteArray());
    if (!containsAcknowledge) {
        rig.port.feed(QByteArray(1, 0x60)); // 06 across the last two bytes
        QCOMPARE(rig.port.takeSent(), QByteArray(1, 0x02));
    }
}

QTEST_GUILESS_MAIN(TestProtocolEngine)
#include "tst_ProtocolEngine.moc"
