// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kt913-radio started for one test: its device path read from its first line of output,
// stopped (SIGTERM, then kill) when the object goes.
#include "support/TestTime.h"
#include <QFile>
#include <QProcess>
#include <QStringList>

namespace kt913::test {

inline QString radioBinary()
{
    return QStringLiteral(KT913_BINARY_DIR "/src/radio/kt913-radio");
}

class RadioProcess {
public:
    explicit RadioProcess(const QStringList &arguments) : m_arguments(arguments) {}
    ~RadioProcess() { stop(); }

    // Starts the radio and waits (bounded) for the device path.
    bool start()
    {
        m_process.start(radioBinary(), m_arguments);
        if (!m_process.waitForStarted(timeBound(10000)))
            return false;
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(timeBound(10000)))
                return false;
        }
        m_devicePath = QString::fromLocal8Bit(m_process.readLine()).trimmed();
        return !m_devicePath.isEmpty();
    }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(timeBound(5000))) {
            m_process.kill();
            m_process.waitForFinished(timeBound(5000));
        }
    }

    QString devicePath() const { return m_devicePath; }
    QProcess &process() { return m_process; }

private:
    QStringList m_arguments;
    QProcess m_process;
    QString m_devicePath;
};

inline QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace kt913::test
