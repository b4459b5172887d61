// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/SerialPortLine.h"
#include "link/PortNames.h"
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace kt913 {

SerialPortLine::SerialPortLine(QObject *parent) : SerialLine(parent)
{
    setObjectName(QStringLiteral("MSComm1"));
    connect(&m_serial, &QSerialPort::readyRead, this, &SerialPortLine::checkThreshold);
    connect(&m_serial, &QSerialPort::errorOccurred, this, &SerialPortLine::onError);
}

SerialPortLine::~SerialPortLine() = default;

namespace {

// A permission error from QSerialPort also covers a port locked by another program;
// only a device we may not open at all earns the hint about access rights.
bool deviceAccessDenied(const QString &systemName)
{
#ifdef Q_OS_UNIX
    QString path = systemName;
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QStringLiteral("/dev/"));
    const QByteArray native = QFile::encodeName(path);
    return ::access(native.constData(), F_OK) == 0 && ::access(native.constData(), R_OK | W_OK) != 0;
#else
    // Windows answers "access denied" for a port that another program holds.
    Q_UNUSED(systemName);
    return false;
#endif
}

} // namespace

PortOpenResult SerialPortLine::openPort()
{
    closePort();
    const QString name = systemPortName(m_commPort);
    PortOpenResult result;
    if (name.trimmed().isEmpty()) {
        result.status = PortOpenResult::NotFound;
        result.reason = QStringLiteral("No port given");
        return result;
    }
    m_serial.setPortName(name);
    m_serial.setBaudRate(QSerialPort::Baud9600);
    m_serial.setDataBits(QSerialPort::Data8);
    m_serial.setParity(QSerialPort::NoParity);
    m_serial.setStopBits(QSerialPort::OneStop);
    m_serial.setFlowControl(QSerialPort::NoFlowControl);
    m_failing = false;
    if (m_serial.open(QIODevice::ReadWrite)) {
        m_serial.clear();
        return result;
    }
    switch (m_serial.error()) {
    case QSerialPort::DeviceNotFoundError:
        result.status = PortOpenResult::NotFound;
        break;
    case QSerialPort::PermissionError:
        result.status = deviceAccessDenied(name) ? PortOpenResult::PermissionDenied : PortOpenResult::Failed;
        break;
    default:
        result.status = PortOpenResult::Failed;
        break;
    }
    result.reason = m_serial.errorString();
    m_serial.clearError();
    return result;
}

void SerialPortLine::closePort()
{
    if (m_serial.isOpen())
        m_serial.close();
}

void SerialPortLine::setReceiveThreshold(int bytes)
{
    m_threshold = bytes;
    // The control raises its event when the count of waiting bytes reaches the
    // threshold; lowering it below what already waits must not leave those bytes
    // unnoticed until the next byte happens to arrive.
    scheduleThresholdCheck();
}

void SerialPortLine::send(const QByteArray &bytes)
{
    if (!m_serial.isOpen() || m_failing)
        return;
    m_serial.write(bytes);
}

QByteArray SerialPortLine::takeReceived()
{
    if (!m_serial.isOpen())
        return {};
    return m_serial.readAll();
}

void SerialPortLine::scheduleThresholdCheck()
{
    if (m_checkScheduled)
        return;
    m_checkScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_checkScheduled = false;
        checkThreshold();
    });
}

void SerialPortLine::checkThreshold()
{
    if (!m_serial.isOpen() || m_failing || m_threshold <= 0)
        return;
    if (m_serial.bytesAvailable() >= m_threshold)
        emit receiveEvent(kBytesWaiting);
}

void SerialPortLine::onError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::NoError:
        return;
    case QSerialPort::ResourceError:
    case QSerialPort::DeviceNotFoundError:
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
        // Cable pulled or device gone. A line that fails to read keeps reporting it on
        // every turn of the event loop, so the port is closed rather than retried; the
        // user opens it again by choosing it. Closing from inside QSerialPort's own
        // notification would pull the notifier from under it: close on the next turn.
        if (!m_failing && m_serial.isOpen()) {
            m_failing = true;
            QTimer::singleShot(0, this, &SerialPortLine::failPort);
        }
        return;
    default:
        // Time-outs and unsupported settings are no reason to give up the line.
        if (m_serial.isOpen())
            m_serial.clearError();
        return;
    }
}

void SerialPortLine::failPort()
{
    if (!m_failing)
        return;
    const QString reason = m_serial.errorString();
    m_serial.clearError();
    closePort();
    m_failing = false;
    emit portFailed(reason);
}

} // namespace kt913
