// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial port as the protocol engine sees it: the few properties and the receive
// event of the classic communications control (CommPort, PortOpen, RThreshold, Output,
// Input, OnComm). The engine talks only to this interface, so that tests can drive it
// with a scripted port and the program with the QSerialPort adapter (SerialComm.h).
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

class MSComm : public QObject {
    Q_OBJECT
public:
    // CommEvent values of OnComm. Only comEvReceive drives the engine.
    static constexpr int comEvReceive = 2;

    using QObject::QObject;
    ~MSComm() override = default;

    // The port to open next: on Windows "1".."16" (COM1..COM16) or a system name,
    // elsewhere a device path (a serial device or a pseudo-terminal).
    virtual QString CommPort() const = 0;
    virtual void setCommPort(const QString &port) = 0;

    virtual bool PortOpen() const = 0;
    // Opens CommPort (9600 baud, 8N1, no flow control). Opening an open port reopens it.
    virtual PortOpenResult openPort() = 0;
    // Closes the port; waiting bytes are discarded. Harmless when already closed.
    virtual void closePort() = 0;

    // The receive event fires only once at least RThreshold bytes wait (1 at start).
    virtual int RThreshold() const = 0;
    virtual void setRThreshold(int bytes) = 0;

    // Queues bytes for sending. On a closed port the bytes are dropped silently: the
    // transfer then ends through its time-out, as with a radio that does not answer.
    virtual void Output(const QByteArray &bytes) = 0;
    // Takes every byte that waits (empty when none).
    virtual QByteArray Input() = 0;

signals:
    // The receive event; commEvent is comEvReceive when data waits.
    void OnComm(int commEvent);
    // An open port failed (device removed, I/O error) and was closed. Running transfers
    // are not ended here: they time out.
    void portFailed(const QString &reason);
};

} // namespace kt913
