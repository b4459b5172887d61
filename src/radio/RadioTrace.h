// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio's own serial trace, in the line format the program's trace uses, seen from
// the radio: RX what it received (a frame, or bytes that made none), TX what it put on
// the line in answer. A file that cannot be written is told once and then left off.
#include <QByteArray>
#include <QString>
#include <cstdio>
#include <functional>

namespace kt913::radio {

class RadioTrace {
public:
    RadioTrace(QString path, QString port) : m_path(std::move(path)), m_port(std::move(port)) {}
    ~RadioTrace();
    RadioTrace(const RadioTrace &) = delete;
    RadioTrace &operator=(const RadioTrace &) = delete;

    bool open();
    void received(const QByteArray &bytes) { line("RX", bytes); }
    void sent(const QByteArray &bytes) { line("TX", bytes); }

    // Called once with a sentence when the file fails.
    std::function<void(const QString &problem)> complain;

private:
    void line(const char *direction, const QByteArray &bytes);
    void fail(const char *what);

    QString m_path, m_port;
    std::FILE *m_file = nullptr;
    bool m_failed = false;
};

} // namespace kt913::radio
