// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's serial port: MSComm over QSerialPort, 9600 baud, 8N1, no flow control.
#include "link/MSComm.h"
#include <QSerialPort>

namespace kt913 {

class SerialComm : public MSComm {
    Q_OBJECT
public:
    explicit SerialComm(QObject *parent = nullptr);
    ~SerialComm() override;

    QString CommPort() const override { return m_commPort; }
    void setCommPort(const QString &port) override { m_commPort = port; }

    bool PortOpen() const override { return m_serial.isOpen(); }
    PortOpenResult openPort() override;
    void closePort() override;

    int RThreshold() const override { return m_threshold; }
    void setRThreshold(int bytes) override;

    void Output(const QByteArray &bytes) override;
    QByteArray Input() override;
    // Bytes that wait to be taken by Input.
    int InBufferCount() const { return m_serial.isOpen() ? int(m_serial.bytesAvailable()) : 0; }

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
