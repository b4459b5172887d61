// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/PortNames.h"
#include <QSerialPortInfo>

namespace kt913 {

QString systemPortName(const QString &port)
{
#ifdef Q_OS_WIN
    bool isNumber = false;
    const int number = port.trimmed().toInt(&isNumber);
    if (isNumber && number >= 1 && number <= 16)
        return QStringLiteral("COM%1").arg(number);
#endif
    return port;
}

QStringList knownPorts()
{
    QStringList ports;
#ifdef Q_OS_WIN
    for (int n = 1; n <= 16; ++n)
        ports << QString::number(n);
#else
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        ports << info.systemLocation();
#endif
    return ports;
}

QString describePortFailure(const PortOpenResult &result, Language lang)
{
    QString text = result.reason;
#ifdef Q_OS_LINUX
    if (result.status == PortOpenResult::PermissionDenied) {
        text += QLatin1Char('\n');
        text += textIn(lang,
            "串口设备属于 dialout 组：执行 sudo usermod -aG dialout $USER，然后重新登录。",
            "Serial devices belong to the dialout group: run sudo usermod -aG dialout $USER, then log in again.");
    }
#else
    Q_UNUSED(lang);
#endif
    return text;
}

} // namespace kt913
