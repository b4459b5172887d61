// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/SerialTrace.h"
#include <QDateTime>

namespace kt913 {

SerialTrace::SerialTrace(QString path, QString program, QObject *parent)
    : QObject(parent), m_path(std::move(path)), m_program(std::move(program))
{
}

bool SerialTrace::open()
{
    m_file.setFileName(m_path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        fail();
        return false;
    }
    remark(QStringLiteral("%1 serial trace: time, port, TX sent or RX received, bytes in hexadecimal").arg(m_program));
    return !m_failed;
}

void SerialTrace::record(const QString &port, Direction direction, const QByteArray &bytes)
{
    if (m_failed || !m_file.isOpen())
        return;
    QByteArray line = QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toUtf8();
    line += ' ' + port.toUtf8() + (direction == Direction::Sent ? " TX " : " RX ") + bytes.toHex(' ').toUpper();
    writeLine(line);
}

void SerialTrace::remark(const QString &text)
{
    if (m_failed || !m_file.isOpen())
        return;
    writeLine("# " + text.toUtf8());
}

void SerialTrace::writeLine(const QByteArray &line)
{
    // Flushed line by line: a trace is wanted most when the program did not end well.
    if (m_file.write(line + '\n') < 0 || !m_file.flush())
        fail();
}

void SerialTrace::fail()
{
    if (m_failed)
        return;
    m_failed = true;
    const QString reason = m_file.errorString();
    m_file.close();
    emit failed(reason);
}

QString SerialTrace::failureText(const QString &path, const QString &reason, Language lang)
{
    return textIn(lang, "无法写入串口记录 %1（%2），传输照常进行，但不作记录。",
                                  KT913_TR("MDIForm1", "The serial trace %1 cannot be written (%2); the transfer goes on without it."))
        .arg(path, reason);
}

} // namespace kt913
