// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's serial port: SerialLine over QSerialPort, 9600 baud, 8N1, no flow control.
#include "link/SerialLine.h"
#include <QSerialPort>

namespace kt913 {

class SerialPortLine : public SerialLine {
    Q_OBJECT
public:
    explicit SerialPortLine(QObject *parent = nullptr);
    ~SerialPortLine() override;

    QString portName() const override { return m_commPort; }
    void setPortName(const QString &port) override { m_commPort = port; }

    bool isOpen() const override { return m_serial.isOpen(); }
    PortOpenResult openPort() override;
    void closePort() override;

    int receiveThreshold() const override { return m_threshold; }
    void setReceiveThreshold(int bytes) override;

    void send(const QByteArray &bytes) override;
    QByteArray takeReceived() override;
    // Bytes that wait to be taken by takeReceived.
    int bytesWaiting() const { return m_serial.isOpen() ? int(m_serial.bytesAvailable()) : 0; }

private:
    void checkThreshold();
    void scheduleThresholdCheck();
    void onError(QSerialPort::SerialPortError error);
    void failPort();

    QSerialPort m_serial;
    QString m_commPort;
    int m_threshold = 1;
    bool m_checkScheduled = false;
    bool m_failing = false;
};

} // namespace kt913
