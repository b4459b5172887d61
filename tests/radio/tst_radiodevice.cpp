// SPDX-License-Identifier: GPL-3.0-or-later
// kt913-radio as a process on a real pseudo-terminal, talked to with plain POSIX calls.
#include "image/DatFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using namespace kt913;

namespace {

constexpr int kGenerousMs = 5000;

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

QString radioBinary()
{
    return QStringLiteral(KT913_BINARY_DIR "/src/radio/kt913-radio");
}

// The client end of the cable.
class Device {
public:
    ~Device() { close(); }

    bool open(const QString &path)
    {
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (m_fd < 0)
            return false;
        termios tio{};
        tcgetattr(m_fd, &tio);
        cfmakeraw(&tio);
        tcsetattr(m_fd, TCSANOW, &tio);
        return true;
    }

    void close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    void send(const QByteArray &data)
    {
        QCOMPARE(::write(m_fd, data.constData(), size_t(data.size())), ssize_t(data.size()));
    }

    // Waits for exactly `count` bytes; fewer on time-out or hang-up.
    QByteArray receive(int count, int timeoutMs = kGenerousMs)
    {
        QByteArray got;
        QElapsedTimer timer;
        timer.start();
        while (got.size() < count && timer.elapsed() < timeoutMs) {
            pollfd fd{m_fd, POLLIN, 0};
            if (::poll(&fd, 1, int(timeoutMs - timer.elapsed())) <= 0)
                break;
            char buffer[256];
            const ssize_t n = ::read(m_fd, buffer, size_t(std::min<int>(count - got.size(), 256)));
            if (n > 0)
                got.append(buffer, int(n));
            else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
                m_hungUp = true;
                break;
            }
        }
        return got;
    }

    QByteArray exchange(const QByteArray &data, int answerLength)
    {
        send(data);
        return receive(answerLength);
    }

    bool hungUp() const { return m_hungUp; }

private:
    int m_fd = -1;
    bool m_hungUp = false;
};

// Starts the radio and takes the device path from its first line of output.
bool startRadio(QProcess &radio, const QStringList &arguments, QString &devicePath)
{
    radio.setProgram(radioBinary());
    radio.setArguments(arguments);
    radio.setProcessChannelMode(QProcess::SeparateChannels);
    radio.start();
    if (!radio.waitForStarted(kGenerousMs))
        return false;
    QElapsedTimer timer;
    timer.start();
    while (!radio.canReadLine() && timer.elapsed() < kGenerousMs)
        radio.waitForReadyRead(100);
    devicePath = QString::fromLocal8Bit(radio.readLine()).trimmed();
    return !devicePath.isEmpty();
}

QStringList readLog(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool waitForLogLine(const QString &path, int count)
{
    QElapsedTimer timer;
    timer.start();
    while (readLog(path).size() < count && timer.elapsed() < kGenerousMs)
        QTest::qWait(10);
    return readLog(path).size() >= count;
}

void stopRadio(QProcess &radio)
{
    radio.terminate();
    QVERIFY(radio.waitForFinished(kGenerousMs));
    QCOMPARE(radio.exitStatus(), QProcess::NormalExit);
    QCOMPARE(radio.exitCode(), 0);
}

Image patternImage()
{
    Image image;
    for (int i = 0; i < kImageSize; ++i)
        image[std::size_t(i)] = std::uint8_t((i * 7 + 3) & 0xFF);
    return image;
}

QByteArray imageBytes(const Image &image, int address, int length)
{
    return QByteArray(reinterpret_cast<const char *>(image.data()) + address, length);
}

} // namespace

class TestRadioDevice : public QObject {
    Q_OBJECT

private slots:
    void readWriteSaveAndLink();
    void pacedLineTakesItsTime();
    void hangsUpLikeAPulledCable();
    void refusesAWrongImageFile();
    void refusesBadFaultOptions_data();
    void refusesBadFaultOptions();
    void linkNeverReplacesAnything_data();
    void linkNeverReplacesAnything();
};

void TestRadioDevice::readWriteSaveAndLink()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString imagePath = dir.filePath("start.dat");
    const QString savePath = dir.filePath("saved.dat");
    const QString logPath = dir.filePath("radio.log");
    const QString linkPath = dir.filePath("ttyKT913");
    const Image start = patternImage();
    QVERIFY(writeDatFile(imagePath, start).ok());

    QProcess radio;
    QString device;
    QVERIFY(startRadio(radio, {"--image", imagePath, "--save", savePath, "--log", logPath,
                               "--link", linkPath, "--band", "3"}, device));
    QCOMPARE(QFile::symLinkTarget(linkPath), device);

    Device cable;
    QVERIFY(cable.open(linkPath));
    QCOMPARE(cable.exchange("PROGRAM", 1), bytes({0x06}));
    QCOMPARE(cable.exchange(bytes({0x02}), 8), QByteArray("HXP417") + bytes({0x03, 0x00}));
    QCOMPARE(cable.exchange(bytes({0x06}), 1), bytes({0x06}));
    QCOMPARE(cable.exchange(bytes({'R', 0x07, 0xE0, 0x10}), 20),
             bytes({'W', 0x07, 0xE0, 0x10}) + imageBytes(start, 0x7E0, 16));
    QCOMPARE(cable.exchange(bytes({0x06}), 1), bytes({0x06}));
    QByteArray data;
    for (int i = 0; i < 16; ++i)
        data.append(char(0xA0 + i));
    QCOMPARE(cable.exchange(bytes({'W', 0x01, 0x00, 0x10}) + data, 1), bytes({0x06}));
    QCOMPARE(cable.exchange(bytes({'E'}), 1), bytes({0x06}));

    // The End is logged only once the memory is saved.
    QVERIFY(waitForLogLine(logPath, 7));
    QCOMPARE(readLog(logPath), (QStringList{"PROGRAM", "02", "06", "R 07E0", "06",
                                            "W 0100 A0A1A2A3A4A5A6A7A8A9AAABACADAEAF", "E"}));
    Image saved{};
    QVERIFY(readDatFile(savePath, saved).ok());
    Image expected = start;
    for (int i = 0; i < 16; ++i)
        expected[std::size_t(0x100 + i)] = std::uint8_t(0xA0 + i);
    QVERIFY(saved == expected);

    // A client that dies in the middle of a frame, and one that comes after it, find the
    // radio still there: the broken frame is given up after a pause.
    QCOMPARE(cable.exchange("PROGRAM", 1), bytes({0x06}));
    QCOMPARE(cable.exchange(bytes({0x02}), 8).size(), 8);
    QCOMPARE(cable.exchange(bytes({0x06}), 1), bytes({0x06}));
    cable.send(bytes({'W', 0x02, 0x00, 0x10, 0x01, 0x02}));
    cable.close();
    QVERIFY(waitForLogLine(logPath, 11));
    QCOMPARE(readLog(logPath).last(), QStringLiteral("? 570200100102"));
    QVERIFY(cable.open(device));
    QCOMPARE(cable.exchange("PROGRAM", 1), bytes({0x06}));
    cable.close();

    stopRadio(radio);
    QVERIFY(!QFileInfo(linkPath).isSymLink());
}

void TestRadioDevice::pacedLineTakesItsTime()
{
    QProcess radio;
    QString device;
    QVERIFY(startRadio(radio, {"--baud", "--exit-with-parent"}, device));
    Device cable;
    QVERIFY(cable.open(device));

    QElapsedTimer timer;
    timer.start();
    QCOMPARE(cable.exchange("PROGRAM", 1), bytes({0x06}));
    QCOMPARE(cable.exchange(bytes({0x02}), 8).size(), 8);
    QCOMPARE(cable.exchange(bytes({0x06}), 1), bytes({0x06}));
    const int blocks = 12;
    for (int block = 0; block < blocks; ++block) {
        QCOMPARE(cable.exchange(bytes({'R', 0x00, block * 0x10, 0x10}), 20).size(), 20);
        QCOMPARE(cable.exchange(bytes({0x06}), 1), bytes({0x06}));
    }
    const qint64 elapsedNs = timer.nsecsElapsed();
    // Lockstep: nothing overlaps, so every byte in either direction costs its line time.
    const qint64 lineBytes = 7 + 1 + 1 + 8 + 1 + 1 + blocks * (4 + 20 + 1 + 1);
    const qint64 lineNs = lineBytes * 10 * 1000000000LL / 9600;
    QVERIFY2(elapsedNs >= lineNs, qPrintable(QString("%1 ns for %2 ns of line").arg(elapsedNs).arg(lineNs)));
    QVERIFY(elapsedNs < lineNs + 4000000000LL);
    stopRadio(radio);
}

void TestRadioDevice::hangsUpLikeAPulledCable()
{
    QProcess radio;
    QString device;
    QVERIFY(startRadio(radio, {"--hangup-after", "2"}, device));
    Device cable;
    QVERIFY(cable.open(device));
    QCOMPARE(cable.exchange("PROGRAM", 1), bytes({0x06}));
    QCOMPARE(cable.exchange(bytes({0x02}), 8).size(), 8);
    QCOMPARE(cable.exchange(bytes({0x06}), 1), QByteArray());
    QVERIFY(cable.hungUp());
    QVERIFY(radio.waitForFinished(kGenerousMs));
    QCOMPARE(radio.exitCode(), 0);
}

void TestRadioDevice::refusesAWrongImageFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("radio.dat");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("HXP417") + QByteArray(3114, char(0xFF)));
    file.close();

    QProcess radio;
    radio.start(radioBinary(), {"--image", path});
    QVERIFY(radio.waitForFinished(kGenerousMs));
    QCOMPARE(radio.exitCode(), 1);
    QVERIFY(radio.readAllStandardError().contains("not a KT-913 data file"));
    QVERIFY(radio.readAllStandardOutput().isEmpty());
}

void TestRadioDevice::refusesBadFaultOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no byte to drop") << QStringList{"--drop-byte", "5"};
    QTest::newRow("frame 0") << QStringList{"--flip-byte", "0:1"};
    QTest::newRow("mask too wide") << QStringList{"--flip-byte", "5:1:0x100"};
    QTest::newRow("half a junk byte") << QStringList{"--junk-after", "5:F"};
    QTest::newRow("no junk") << QStringList{"--junk-before", "5"};
    QTest::newRow("stall without time") << QStringList{"--stall", "2"};
    QTest::newRow("too many parts") << QStringList{"--split-reply", "2:10:3"};
}

// A mistyped fault would otherwise run a clean line and let the test pass for nothing.
void TestRadioDevice::refusesBadFaultOptions()
{
    QFETCH(QStringList, arguments);
    QProcess radio;
    radio.start(radioBinary(), arguments << "--exit-with-parent");
    QVERIFY(radio.waitForFinished(kGenerousMs));
    QCOMPARE(radio.exitCode(), 2);
    QVERIFY(radio.readAllStandardOutput().isEmpty());
    QVERIFY(radio.readAllStandardError().contains(arguments.first().toLatin1()));
}

void TestRadioDevice::linkNeverReplacesAnything_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("a file") << "file";
    QTest::newRow("a link elsewhere") << "link";
    QTest::newRow("a stale link") << "stale";
    QTest::newRow("a directory") << "directory";
}

// Whatever already has the name stays as it was, and the radio does not start.
void TestRadioDevice::linkNeverReplacesAnything()
{
    QFETCH(QString, what);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("ttyKT913");
    const QString other = dir.filePath("other");
    QFile file(what == "file" ? path : other);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();
    if (what == "link")
        QVERIFY(QFile::link(other, path));
    else if (what == "stale")
        QVERIFY(QFile::link(dir.filePath("gone"), path));
    else if (what == "directory")
        QVERIFY(QDir(dir.path()).mkdir("ttyKT913"));
    const QFileInfo before(path);

    QProcess radio;
    radio.start(radioBinary(), {"--link", path, "--exit-with-parent"});
    QVERIFY(radio.waitForFinished(kGenerousMs));
    QCOMPARE(radio.exitStatus(), QProcess::NormalExit);
    QVERIFY(radio.exitCode() != 0);
    QVERIFY(radio.readAllStandardOutput().isEmpty()); // no device offered
    const QString complaint = QString::fromLocal8Bit(radio.readAllStandardError());
    QVERIFY2(complaint.contains(path + " already exists"), qPrintable(complaint));

    const QFileInfo after(path);
    QCOMPARE(after.isSymLink(), before.isSymLink());
    QCOMPARE(after.isDir(), before.isDir());
    if (before.isSymLink())
        QCOMPARE(after.symLinkTarget(), before.symLinkTarget());
    QFile kept(what == "file" ? path : other);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("keep me"));
    QVERIFY(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden).size()
            <= 2); // no temporary left beside it
}

QTEST_GUILESS_MAIN(TestRadioDevice)
#include "tst_radiodevice.moc"
