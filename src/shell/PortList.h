// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QStringList>

namespace kt913 {

// The ports the port list offers: the system's serial ports, USB adapters (where
// programming cables live) first.
QStringList knownPortsForList();

} // namespace kt913
