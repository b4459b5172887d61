// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial line as the protocol engine sees it: a port name, open and close, bytes
// out, bytes in, and a receive event that fires once enough bytes wait. The engine talks
// only to this interface, so that tests can drive it with a scripted port and the
// program with the QSerialPort adapter (SerialPortLine.h).
#include <QByteArray>
#include <QObject>
#include <QString>

namespace kt913 {

// What opening a port came to. `reason` is the system's own text, ready to show under
// the program's port message; on Linux a permission failure carries a second line on
// how to get access to serial devices.
struct PortOpenResult {
    enum Status { Opened, NotFound, PermissionDenied, Failed };
    Status status = Opened;
    QString reason;
    bool ok() const { return status == Opened; }
};

class SerialLine : public QObject {
    Q_OBJECT
public:
    // CommEvent values of receiveEvent. Only kBytesWaiting drives the engine.
    static constexpr int kBytesWaiting = 2;

    using QObject::QObject;
    ~SerialLine() override = default;

    // The port to open next: on Windows "1".."16" (COM1..COM16) or a system name,
    // elsewhere a device path (a serial device or a pseudo-terminal).
    virtual QString portName() const = 0;
    virtual void setPortName(const QString &port) = 0;

    virtual bool isOpen() const = 0;
    // Opens portName (9600 baud, 8N1, no flow control). Opening an open port reopens it.
    virtual PortOpenResult openPort() = 0;
    // Closes the port; waiting bytes are discarded. Harmless when already closed.
    virtual void closePort() = 0;

    // The receive event fires only once at least receiveThreshold bytes wait (1 at start).
    virtual int receiveThreshold() const = 0;
    virtual void setReceiveThreshold(int bytes) = 0;

    // Queues bytes for sending. On a closed port the bytes are dropped silently: the
    // transfer then ends through its time-out, as with a radio that does not answer.
    virtual void send(const QByteArray &bytes) = 0;
    // Takes every byte that waits (empty when none).
    virtual QByteArray takeReceived() = 0;

signals:
    // The receive event; commEvent is kBytesWaiting when data waits.
    void receiveEvent(int commEvent);
    // An open port failed (device removed, I/O error) and was closed. Running transfers
    // are not ended here: they time out.
    void portFailed(const QString &reason);
};

} // namespace kt913
