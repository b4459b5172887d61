// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's serial port with a count of the bytes that cross it each way.
#include "link/SerialComm.h"

namespace kt913::bench {

class CountingComm : public MSComm {
public:
    CountingComm()
    {
        connect(&m_inner, &MSComm::OnComm, this, &MSComm::OnComm);
        connect(&m_inner, &MSComm::portFailed, this, &MSComm::portFailed);
    }
    QString CommPort() const override { return m_inner.CommPort(); }
    void setCommPort(const QString &port) override { m_inner.setCommPort(port); }
    bool PortOpen() const override { return m_inner.PortOpen(); }
    PortOpenResult openPort() override { return m_inner.openPort(); }
    void closePort() override { m_inner.closePort(); }
    int RThreshold() const override { return m_inner.RThreshold(); }
    void setRThreshold(int bytes) override { m_inner.setRThreshold(bytes); }
    void Output(const QByteArray &bytes) override
    {
        sent += bytes.size();
        m_inner.Output(bytes);
    }
    QByteArray Input() override
    {
        const QByteArray bytes = m_inner.Input();
        received += bytes.size();
        return bytes;
    }

    qint64 sent = 0;
    qint64 received = 0;

private:
    SerialComm m_inner;
};

} // namespace kt913::bench
