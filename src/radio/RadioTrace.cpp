// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/RadioTrace.h"
#include <QDateTime>
#include <QFile>
#include <cerrno>
#include <cstring>

namespace kt913::radio {

RadioTrace::~RadioTrace()
{
    if (m_file)
        std::fclose(m_file);
}

bool RadioTrace::open()
{
    m_file = std::fopen(QFile::encodeName(m_path).constData(), "w");
    if (!m_file) {
        fail("cannot be created");
        return false;
    }
    line(nullptr, "kt913-radio serial trace: time, port, RX received or TX sent by the radio, bytes in hexadecimal");
    return !m_failed;
}

void RadioTrace::line(const char *direction, const QByteArray &bytes)
{
    if (!m_file || m_failed || bytes.isEmpty())
        return;
    int written;
    if (direction) {
        const QByteArray time = QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toLatin1();
        written = std::fprintf(m_file, "%s %s %s %s\n", time.constData(), QFile::encodeName(m_port).constData(),
                               direction, bytes.toHex(' ').toUpper().constData());
    } else {
        written = std::fprintf(m_file, "# %s\n", bytes.constData());
    }
    if (written < 0 || std::fflush(m_file) != 0)
        fail("cannot be written");
}

void RadioTrace::fail(const char *what)
{
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
    m_failed = true;
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    if (complain)
        complain(QStringLiteral("the trace %1 %2 (%3); going on without it").arg(m_path, QLatin1String(what), reason));
}

} // namespace kt913::radio
