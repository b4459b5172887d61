// SPDX-License-Identifier: GPL-3.0-or-later
// The radio's side of the conversation, driven byte by byte without a terminal.
#include "radio/LinePacer.h"
#include "radio/RadioOptions.h"
#include "radio/RadioSession.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace kt913;
using namespace kt913::radio;

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

QByteArray readRequest(int address, int length = 0x10)
{
    return bytes({'R', address >> 8, address & 0xFF, length});
}

QByteArray writeFrame(int address, const QByteArray &data)
{
    return bytes({'W', address >> 8, address & 0xFF, int(data.size())}) + data;
}

QByteArray pattern(int seed, int length = 16)
{
    QByteArray out;
    for (int i = 0; i < length; ++i)
        out.append(char((seed * 31 + i * 7) & 0xFF));
    return out;
}

Image patternImage()
{
    Image image;
    for (int i = 0; i < kImageSize; ++i)
        image[std::size_t(i)] = std::uint8_t((i * 13 + i / 256) & 0xFF);
    return image;
}

// A session with its log and save notifications recorded in order.
struct Radio {
    RadioMemory memory{patternImage()};
    RadioSession session;
    QStringList log;
    int saves = 0;

    explicit Radio(Identity identity = {}, Behaviour behaviour = {})
        : session(memory, identity, behaviour)
    {
        session.frameLogged = [this](const QString &line) { log << line; };
        session.writeCompleted = [this] {
            ++saves;
            log << QStringLiteral("<saved>");
        };
    }

    // PROGRAM, identification, acknowledge: what every transfer starts with.
    void enterProgramming()
    {
        QCOMPARE(session.receive(QByteArrayLiteral("PROGRAM")), bytes({0x06}));
        QCOMPARE(session.receive(bytes({0x02})).size(), 8);
        QCOMPARE(session.receive(bytes({0x06})), bytes({0x06}));
        QCOMPARE(session.state(), RadioSession::State::Programming);
    }
};

// A conversation the way the application holds it, with a read, a write and the Ends.
QByteArray scriptedConversation()
{
    return QByteArrayLiteral("PROGRAM") + bytes({0x02, 0x06}) + readRequest(0x7E0) + bytes({0x06})
         + readRequest(0xBF8) + bytes({0x06}) + writeFrame(0x100, pattern(1))
         // data bytes that look like End, handshake and read leads must stay data
         + writeFrame(0x110, QByteArray(4, 'E') + QByteArray(4, 'P') + QByteArray(4, 'R') + QByteArray(4, 0x06))
         + bytes({'E', 'E'});
}

} // namespace

class TestRadioSession : public QObject {
    Q_OBJECT

private slots:
    void handshakeAndIdentification_data();
    void handshakeAndIdentification();
    void handshakeFoundAfterNoise();
    void halfFrameIsGivenUp();
    void readFramesServeMemoryAndStayInBounds();
    void writeFramesStoreAndDropBeyondMemory();
    void framesOutsideProgrammingAreNotServed();
    void endClosesSessionAndReportsCompletedWrites();
    void anySplitOfTheStreamGivesTheSameConversation();
    void fullReadAsTheApplicationDoesIt();
    void silentAndQuietRadios();
    void linePacerKeepsLineTime();
    void optionsRejectNonsense();
};

void TestRadioSession::handshakeAndIdentification_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("identification");
    const QByteArray model = QByteArrayLiteral("HXP417");
    QTest::newRow("default") << QStringList{} << model + bytes({0x00, 0x00});
    QTest::newRow("band 2, extra FF") << QStringList{"--band", "2", "--id-extra", "0xFF"}
                                      << model + bytes({0x02, 0xFF});
    QTest::newRow("band 0x1A") << QStringList{"--band", "0x1A"} << model + bytes({0x1A, 0x00});
    QTest::newRow("other model") << QStringList{"--model", "HXP999", "--band", "1"}
                                 << QByteArrayLiteral("HXP999") + bytes({0x01, 0x00});
    QTest::newRow("nine bytes") << QStringList{"--id-length", "9", "--id-extra", "7"}
                                << model + bytes({0x00, 0x07, 0x07});
    QTest::newRow("cut short") << QStringList{"--id-length", "5"} << QByteArrayLiteral("HXP41");
}

void TestRadioSession::handshakeAndIdentification()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, identification);
    RadioOptions options;
    QString error;
    QVERIFY2(parseRadioOptions(QStringList{"kt913-radio"} + arguments, options, error), qPrintable(error));

    Radio radio(options.identity);
    QCOMPARE(radio.session.receive(QByteArrayLiteral("PROGRAM")), bytes({0x06}));
    QCOMPARE(radio.session.state(), RadioSession::State::AwaitIdentify);
    QCOMPARE(radio.session.receive(bytes({0x02})), identification);
    QCOMPARE(radio.session.state(), RadioSession::State::AwaitAcknowledge);
    QCOMPARE(radio.session.receive(bytes({0x06})), bytes({0x06}));
    QCOMPARE(radio.session.receive(bytes({0x06})), bytes({0x06}));
    QCOMPARE(radio.log, (QStringList{"PROGRAM", "02", "06", "06"}));
}

void TestRadioSession::handshakeFoundAfterNoise()
{
    Radio radio;
    // A false start "PRO" then "PR", then the real handshake; 02 and 06 before it are noise.
    QCOMPARE(radio.session.receive(QByteArrayLiteral("PROX") + bytes({0x02, 0x06}) + "PRPROGRAM"),
             bytes({0x06}));
    QCOMPARE(radio.log, (QStringList{"? 50524F", "? 58", "? 02", "? 06", "? 5052", "PROGRAM"}));
    QCOMPARE(radio.session.framesReceived(), 1);
}

void TestRadioSession::halfFrameIsGivenUp()
{
    Radio radio;
    const Image before = radio.memory.image();
    radio.enterProgramming();
    // A client dies in the middle of a write frame; the next one's handshake must not
    // become the rest of that frame's data.
    QCOMPARE(radio.session.receive(writeFrame(0x200, pattern(6)).left(9)), QByteArray());
    QVERIFY(radio.session.inFrame());
    radio.session.abandonFrame();
    QVERIFY(!radio.session.inFrame());
    QCOMPARE(radio.log.last(), QStringLiteral("? 57020010BAC1C8CFD6"));
    QCOMPARE(radio.session.receive(QByteArrayLiteral("PROGRAM")), bytes({0x06}));
    QVERIFY(radio.memory.image() == before);
}

void TestRadioSession::readFramesServeMemoryAndStayInBounds()
{
    Radio radio;
    radio.enterProgramming();
    const Image &image = radio.memory.image();
    auto memoryAt = [&](int address, int length) {
        return QByteArray(reinterpret_cast<const char *>(image.data()) + address, length);
    };

    QCOMPARE(radio.session.receive(readRequest(0x7E0)), bytes({0x57, 0x07, 0xE0, 0x10}) + memoryAt(0x7E0, 16));
    QCOMPARE(radio.session.receive(bytes({0x06})), bytes({0x06}));
    // The last block straddles the end of memory, the next lies wholly beyond it.
    QCOMPARE(radio.session.receive(readRequest(0xBF8)),
             bytes({0x57, 0x0B, 0xF8, 0x10}) + memoryAt(0xBF8, 8) + QByteArray(8, char(0xFF)));
    QCOMPARE(radio.session.receive(readRequest(0xC00)), bytes({0x57, 0x0C, 0x00, 0x10}) + QByteArray(16, char(0xFF)));
    QCOMPARE(radio.session.receive(readRequest(0xFFF8)).mid(4), QByteArray(16, char(0xFF)));
    // Another length is served as asked.
    QCOMPARE(radio.session.receive(readRequest(0x010, 3)), bytes({0x57, 0x00, 0x10, 0x03}) + memoryAt(0x010, 3));
    QCOMPARE(radio.log.mid(3), (QStringList{"R 07E0", "06", "R 0BF8", "R 0C00", "R FFF8", "R 0010 03"}));
}

void TestRadioSession::writeFramesStoreAndDropBeyondMemory()
{
    Radio radio;
    const Image before = radio.memory.image();
    radio.enterProgramming();

    QCOMPARE(radio.session.receive(writeFrame(0x100, pattern(1))), bytes({0x06}));
    QCOMPARE(radio.session.receive(writeFrame(0xBF8, pattern(2))), bytes({0x06}));
    QCOMPARE(radio.session.receive(writeFrame(0xC20, QByteArray(16, 0))), bytes({0x06}));

    Image expected = before;
    for (int i = 0; i < 16; ++i)
        expected[std::size_t(0x100 + i)] = std::uint8_t(pattern(1)[i]);
    for (int i = 0; i < 8; ++i)
        expected[std::size_t(0xBF8 + i)] = std::uint8_t(pattern(2)[i]);
    QVERIFY(radio.memory.image() == expected);
    QCOMPARE(radio.log.at(3), QStringLiteral("W 0100 ") + QString::fromLatin1(pattern(1).toHex().toUpper()));
    QCOMPARE(radio.log.at(5), QStringLiteral("W 0C20 ") + QString(32, QLatin1Char('0')));
}

void TestRadioSession::framesOutsideProgrammingAreNotServed()
{
    Radio radio;
    const Image before = radio.memory.image();
    // Before the handshake, frames are noise; after it but before the identification is
    // acknowledged, they are recognised but not served.
    QCOMPARE(radio.session.receive(readRequest(0x000)), QByteArray());
    QCOMPARE(radio.session.receive(QByteArrayLiteral("PROGRAM")), bytes({0x06}));
    QCOMPARE(radio.session.receive(readRequest(0x000)), QByteArray());
    QCOMPARE(radio.session.receive(writeFrame(0x000, pattern(3))), QByteArray());
    QCOMPARE(radio.session.receive(bytes({0x06})), QByteArray());
    QVERIFY(radio.memory.image() == before);
    QCOMPARE(radio.log.mid(4), (QStringList{"PROGRAM", "R 0000",
                                            "W 0000 " + QString::fromLatin1(pattern(3).toHex().toUpper()), "06"}));
}

void TestRadioSession::endClosesSessionAndReportsCompletedWrites()
{
    Radio radio;
    // A read session: no save at its End, nor at a second End.
    radio.enterProgramming();
    radio.session.receive(readRequest(0x000));
    radio.session.receive(bytes({0x06}));
    QCOMPARE(radio.session.receive(bytes({'E'})), bytes({0x06}));
    QCOMPARE(radio.session.state(), RadioSession::State::AwaitProgram);
    QCOMPARE(radio.session.receive(bytes({'E'})), bytes({0x06}));
    QCOMPARE(radio.saves, 0);

    // A write session: saved once, and before the End shows in the log.
    radio.log.clear();
    radio.enterProgramming();
    radio.session.receive(writeFrame(0x000, pattern(4)));
    QCOMPARE(radio.session.receive(bytes({'E', 'E'})), bytes({0x06, 0x06}));
    QCOMPARE(radio.saves, 1);
    QCOMPARE(radio.log.mid(4), (QStringList{"<saved>", "E", "E"}));

    // A new session starts clean: its End saves nothing.
    radio.enterProgramming();
    radio.session.receive(bytes({'E'}));
    QCOMPARE(radio.saves, 1);
}

void TestRadioSession::anySplitOfTheStreamGivesTheSameConversation()
{
    const QByteArray stream = scriptedConversation();
    Radio whole;
    const QByteArray answer = whole.session.receive(stream);
    QCOMPARE(whole.saves, 1);
    QCOMPARE(whole.log.size(), 12);
    QCOMPARE(whole.log.at(8), QStringLiteral("W 0110 45454545505050505252525206060606"));
    QCOMPARE(answer.left(11), bytes({0x06}) + QByteArrayLiteral("HXP417") + bytes({0, 0, 0x06, 0x57}));

    Radio byteByByte;
    QByteArray answer1;
    for (char byte : stream)
        answer1 += byteByByte.session.receive(std::uint8_t(byte));
    QCOMPARE(answer1, answer);
    QCOMPARE(byteByByte.log, whole.log);

    QRandomGenerator random(913);
    for (int round = 0; round < 50; ++round) {
        Radio chunked;
        QByteArray answer2;
        for (int at = 0; at < stream.size();) {
            const int length = random.bounded(1, 12);
            answer2 += chunked.session.receive(stream.mid(at, length));
            at += length;
        }
        QCOMPARE(answer2, answer);
        QCOMPARE(chunked.log, whole.log);
        QVERIFY(chunked.memory.image() == whole.memory.image());
    }
}

void TestRadioSession::fullReadAsTheApplicationDoesIt()
{
    Radio radio;
    radio.enterProgramming();
    Image copy = filledImage(0);
    for (int address = 0; address <= 0xC00; address += 0x10) {
        const QByteArray frame = radio.session.receive(readRequest(address));
        QCOMPARE(frame.size(), 20);
        QCOMPARE(frame.left(4), readRequest(address).replace(0, 1, "W"));
        for (int i = 0; i < 16 && address + i < kImageSize; ++i)
            copy[std::size_t(address + i)] = std::uint8_t(frame[4 + i]);
        QCOMPARE(radio.session.receive(bytes({0x06})), bytes({0x06}));
    }
    QCOMPARE(radio.session.receive(bytes({'E'})), bytes({0x06}));
    QCOMPARE(radio.session.receive(bytes({'E'})), bytes({0x06}));
    QVERIFY(copy == radio.memory.image());
    QCOMPARE(radio.saves, 0);
}

void TestRadioSession::silentAndQuietRadios()
{
    Radio silent({}, Behaviour{true, -1});
    QCOMPARE(silent.session.receive(QByteArrayLiteral("PROGRAM") + bytes({0x02, 0x06, 'E'})), QByteArray());
    // Never in programming mode, so what follows the handshake is noise to it.
    QCOMPARE(silent.log, (QStringList{"PROGRAM", "? 02", "? 06", "E"}));

    // Quiet after four frames: as if the cable came out during the first write frame.
    Radio quiet({}, Behaviour{false, 4});
    const Image before = quiet.memory.image();
    QCOMPARE(quiet.session.receive(QByteArrayLiteral("PROGRAM") + bytes({0x02, 0x06})).size(), 10);
    QCOMPARE(quiet.session.receive(readRequest(0x000)).size(), 20);
    QCOMPARE(quiet.session.receive(writeFrame(0x000, pattern(5))), QByteArray());
    QCOMPARE(quiet.session.receive(bytes({'E'})), QByteArray());
    QVERIFY(quiet.memory.image() == before);
    QCOMPARE(quiet.saves, 0);
    QCOMPARE(quiet.log.size(), 6);
}

void TestRadioSession::linePacerKeepsLineTime()
{
    const std::int64_t byte = LinePacer::byteNanoseconds(9600);
    QVERIFY(byte >= 1041666 && byte <= 1041667);
    QCOMPARE(LinePacer::byteNanoseconds(0), std::int64_t(0));

    LinePacer line(byte);
    // Bytes handed over together queue behind each other.
    QCOMPARE(line.schedule(0), byte);
    QCOMPARE(line.schedule(0), 2 * byte);
    // A byte handed over while the line is still busy follows the one before it, however
    // late its hand-over was within that time.
    QCOMPARE(line.schedule(byte + byte / 2), 3 * byte);
    // After an idle line the clock starts from the hand-over.
    QCOMPARE(line.schedule(10 * byte), 11 * byte);

    LinePacer unpaced;
    QVERIFY(!unpaced.paced());
    QCOMPARE(unpaced.schedule(5), std::int64_t(5));
}

void TestRadioSession::optionsRejectNonsense()
{
    const QList<QStringList> bad{
        {"--band", "256"}, {"--band", "two"}, {"--id-length", "-1"}, {"--quiet-after", "x"},
        {"--hangup-after", "0"}, {"--model", ""}, {"--nonsense"}, {"stray"},
    };
    for (const QStringList &arguments : bad) {
        RadioOptions options;
        QString error;
        QVERIFY2(!parseRadioOptions(QStringList{"kt913-radio"} + arguments, options, error),
                 qPrintable(arguments.join(' ')));
        QVERIFY(!error.isEmpty());
        QVERIFY(!options.helpShown);
    }
    RadioOptions options;
    QString error;
    QVERIFY(parseRadioOptions({"kt913-radio", "--baud", "--silent", "--quiet-after", "0", "--hangup-after", "0x10"},
                              options, error));
    QVERIFY(options.paced && options.behaviour.silent);
    QCOMPARE(options.behaviour.quietAfterFrames, 0);
    QCOMPARE(options.hangupAfter, 16);
}

QTEST_GUILESS_MAIN(TestRadioSession)
#include "tst_radiosession.moc"
