// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/PortList.h"
#include "link/PortNames.h"
#include <algorithm>

namespace kt913 {

QStringList knownPortsForList()
{
    QStringList ports = knownPorts();
    auto isUsb = [](const QString &p) { return p.contains(QLatin1String("USB")) || p.contains(QLatin1String("ACM")); };
    std::stable_sort(ports.begin(), ports.end(), [&](const QString &a, const QString &b) { return isUsb(a) && !isUsb(b); });
    return ports;
}

} // namespace kt913
