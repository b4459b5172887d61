// SPDX-License-Identifier: GPL-3.0-or-later
// The QSerialPort adapter on a pseudo-terminal made here: the receive threshold of the
// classic control, and a line that goes away under an open port.
#include "support/TestTime.h"
#include "link/PortNames.h"
#include "link/SerialPortLine.h"
#include <QSignalSpy>
#include <QTest>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kt913;
using kt913::test::timeBound;

namespace {

// The far end of the cable: the master side of a pseudo-terminal pair.
struct Line {
    int master = -1;
    QString device;
    Line()
    {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0) {
            device = QString::fromLocal8Bit(::ptsname(master));
            ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
        }
    }
    ~Line() { hangUp(); }
    void send(const QByteArray &bytes) const { QCOMPARE(::write(master, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size())); }
    void hangUp()
    {
        if (master >= 0)
            ::close(master);
        master = -1;
    }
};

} // namespace

class TestSerialPortLine : public QObject {
    Q_OBJECT
private slots:
    void eventWaitsForThreshold();
    void loweredThresholdSeesWaitingBytes();
    void lineGoneClosesPort();
    void missingPort();
    void deniedPortSaysHowToGetAccess();
    void portInUseGivesNoAccessHint();
};

void TestSerialPortLine::eventWaitsForThreshold()
{
    Line line;
    QVERIFY(!line.device.isEmpty());
    SerialPortLine port;
    port.setPortName(line.device);
    QVERIFY(port.openPort().ok());
    QVERIFY(port.isOpen());
    QSignalSpy events(&port, &SerialLine::receiveEvent);

    port.setReceiveThreshold(20);
    line.send(QByteArray(7, 'a'));
    // Wait for the bytes themselves; then the event must still be missing.
    QTRY_COMPARE_WITH_TIMEOUT(port.bytesWaiting(), 7, timeBound(5000));
    QCOMPARE(events.count(), 0);
    line.send(QByteArray(13, 'b'));
    QTRY_COMPARE_WITH_TIMEOUT(events.count(), 1, timeBound(5000));
    QCOMPARE(events.first().at(0).toInt(), SerialLine::kBytesWaiting);
    QCOMPARE(port.takeReceived(), QByteArray(7, 'a') + QByteArray(13, 'b')); // all that waits
    QCOMPARE(port.takeReceived(), QByteArray());

    // What the program sends reaches the line.
    port.send("PROGRAM");
    QByteArray got;
    QTRY_VERIFY_WITH_TIMEOUT(([&] {
        char buffer[16];
        const ssize_t n = ::read(line.master, buffer, sizeof buffer);
        if (n > 0)
            got.append(buffer, int(n));
        return got.size() >= 7;
    }()), 5000);
    QCOMPARE(got, QByteArray("PROGRAM"));
}

void TestSerialPortLine::loweredThresholdSeesWaitingBytes()
{
    Line line;
    SerialPortLine port;
    port.setPortName(line.device);
    QVERIFY(port.openPort().ok());
    QSignalSpy events(&port, &SerialLine::receiveEvent);
    port.setReceiveThreshold(20);
    line.send(QByteArray(3, 'x'));
    QTRY_COMPARE_WITH_TIMEOUT(port.bytesWaiting(), 3, timeBound(5000));
    QCOMPARE(events.count(), 0);
    // Three bytes wait and no more will come unless answered: lowering the threshold
    // must raise the event for them.
    port.setReceiveThreshold(1);
    QTRY_COMPARE_WITH_TIMEOUT(events.count(), 1, timeBound(5000));
    QCOMPARE(port.takeReceived(), QByteArray(3, 'x'));
}

void TestSerialPortLine::lineGoneClosesPort()
{
    Line line;
    SerialPortLine port;
    port.setPortName(line.device);
    QVERIFY(port.openPort().ok());
    QSignalSpy failed(&port, &SerialLine::portFailed);
    line.hangUp();
    port.send("PROGRAM"); // provokes the failure if reading has not yet
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, timeBound(5000));
    QVERIFY(!port.isOpen());
    port.send("E"); // harmless on a closed port
    QCOMPARE(port.takeReceived(), QByteArray());
    QCOMPARE(failed.count(), 1);
}

void TestSerialPortLine::missingPort()
{
    SerialPortLine port;
    port.setPortName(QStringLiteral("/dev/kt913-no-such-port"));
    const PortOpenResult result = port.openPort();
    QCOMPARE(result.status, PortOpenResult::NotFound);
    QVERIFY(!port.isOpen());
    QCOMPARE(describePortFailure(result, Language::English), result.reason); // no access hint
    port.setPortName(QString());
    QCOMPARE(port.openPort().status, PortOpenResult::NotFound);
}

// A device the user may not open earns the hint about access rights. Root may open any
// device, so there the open is tried by a child that has given its rights up, and the
// test runs as any user.
void TestSerialPortLine::deniedPortSaysHowToGetAccess()
{
    Line line;
    QVERIFY(::chmod(QFile::encodeName(line.device).constData(), 0) == 0);
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(10);
        SerialPortLine port;
        port.setPortName(line.device);
        const PortOpenResult result = port.openPort();
        const QStringList lines = describePortFailure(result, Language::English).split('\n');
        ::_exit(result.status != PortOpenResult::PermissionDenied ? 11
                : lines.size() != 2                                ? 12
                : !lines.at(1).contains(QStringLiteral("dialout")) ? 13
                                                                   : 0);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0); // 11: not denied, 12 and 13: no hint
}

// A port another program holds is refused too, but joining a group would not help.
void TestSerialPortLine::portInUseGivesNoAccessHint()
{
    Line line;
    SerialPortLine first, second;
    first.setPortName(line.device);
    second.setPortName(line.device);
    QVERIFY(first.openPort().ok());
    const PortOpenResult result = second.openPort();
    QCOMPARE(result.status, PortOpenResult::Failed);
    QVERIFY(!result.reason.isEmpty());
    QVERIFY(!describePortFailure(result, Language::English).contains(QStringLiteral("dialout")));
    QVERIFY(first.isOpen());
}

QTEST_GUILESS_MAIN(TestSerialPortLine)
#include "tst_SerialPortLine.moc"
