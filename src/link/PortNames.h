// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Port names as the user gives them, and the words that go with a port that cannot be
// opened.
#include "image/Language.h"
#include "link/SerialLine.h"
#include <QString>
#include <QStringList>

namespace kt913 {

// The name QSerialPort opens for a user's port name. On Windows the numbers "1".."16"
// of the port list mean COM1..COM16; any other text (and every name elsewhere, such as
// /dev/ttyUSB0 or a pseudo-terminal path) is the system's own name and passes unchanged.
QString systemPortName(const QString &port);

// The serial ports the system knows, as names systemPortName accepts: on Windows the
// numbers "1".."16", elsewhere the device paths of QSerialPortInfo.
QStringList knownPorts();

// The reason a port did not open, as one or two lines: the system's text and, for a
// permission failure on Linux, how to get access to serial devices.
QString describePortFailure(const PortOpenResult &result, Language lang);

} // namespace kt913
