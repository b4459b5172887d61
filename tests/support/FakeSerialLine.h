// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A scripted serial line for driving the protocol engine without a port: the tests, the
// fuzz target and anything else feed what "the radio" sends and read back what the
// engine output, call by call.
#include "link/SerialLine.h"
#include <QList>
#include <functional>

namespace kt913::test {

class FakeSerialLine : public SerialLine {
    Q_OBJECT
public:
    using SerialLine::SerialLine;

    QString portName() const override { return m_name; }
    void setPortName(const QString &port) override { m_name = port; }
    bool isOpen() const override { return m_open; }
    PortOpenResult openPort() override
    {
        ++opens;
        if (openFails)
            return {PortOpenResult::NotFound, QStringLiteral("gone")};
        m_open = true;
        return {};
    }
    // The device going away under an open port, as the adapter reports it.
    void fail()
    {
        m_open = false;
        emit portFailed(QStringLiteral("device removed"));
    }
    bool openFails = false;
    int opens = 0;
    void closePort() override { m_open = false; }
    int receiveThreshold() const override { return m_threshold; }
    void setReceiveThreshold(int bytes) override { m_threshold = bytes; }
    void send(const QByteArray &bytes) override
    {
        if (onOutput)
            onOutput(bytes);
        outputs.append(bytes);
        sent.append(bytes);
    }
    QByteArray takeReceived() override
    {
        QByteArray taken;
        taken.swap(m_waiting);
        return taken;
    }

    // Bytes from the radio: the receive event fires once receiveThreshold bytes wait, as the
    // real control does.
    void feed(const QByteArray &bytes)
    {
        m_waiting.append(bytes);
        if (m_threshold > 0 && m_waiting.size() >= m_threshold)
            emit receiveEvent(kBytesWaiting);
    }
    // Everything sent since the last call.
    QByteArray takeSent()
    {
        QByteArray taken;
        taken.swap(sent);
        return taken;
    }
    int waiting() const { return int(m_waiting.size()); }

    std::function<void(const QByteArray &)> onOutput; // sees each send as it happens
    QList<QByteArray> outputs; // one entry per send call
    QByteArray sent;

private:
    QString m_name;
    QByteArray m_waiting;
    bool m_open = true;
    int m_threshold = 1;
};

} // namespace kt913::test
