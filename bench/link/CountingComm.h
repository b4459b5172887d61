// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's serial port with a count of the bytes that cross it each way.
#include "link/SerialPortLine.h"

namespace kt913::bench {

class CountingComm : public SerialLine {
public:
    CountingComm()
    {
        connect(&m_inner, &SerialLine::receiveEvent, this, &SerialLine::receiveEvent);
        connect(&m_inner, &SerialLine::portFailed, this, &SerialLine::portFailed);
    }
    QString portName() const override { return m_inner.portName(); }
    void setPortName(const QString &port) override { m_inner.setPortName(port); }
    bool isOpen() const override { return m_inner.isOpen(); }
    PortOpenResult openPort() override { return m_inner.openPort(); }
    void closePort() override { m_inner.closePort(); }
    int receiveThreshold() const override { return m_inner.receiveThreshold(); }
    void setReceiveThreshold(int bytes) override { m_inner.setReceiveThreshold(bytes); }
    void send(const QByteArray &bytes) override
    {
        sent += bytes.size();
        m_inner.send(bytes);
    }
    QByteArray takeReceived() override
    {
        const QByteArray bytes = m_inner.takeReceived();
        received += bytes.size();
        return bytes;
    }

    qint64 sent = 0;
    qint64 received = 0;

private:
    SerialPortLine m_inner;
};

} // namespace kt913::bench
