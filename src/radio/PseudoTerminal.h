// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A pseudo-terminal pair standing in for the programming cable: the program under test
// opens the device (the slave side) as its serial port, the radio talks on the master.
#include <QString>

namespace kt913::radio {

class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    // Opens the pair, raw and non-blocking on the master. False with errorText() on failure.
    bool open();
    // Makes `path` a link to the device, refusing a name that already exists; close()
    // removes the link again if it still points at the device.
    bool link(const QString &path);
    void close();

    int masterFd() const { return m_master; }
    QString devicePath() const { return m_devicePath; }
    QString errorText() const { return m_error; }

private:
    bool fail(const QString &what);

    int m_master = -1;
    int m_slave = -1;
    QString m_devicePath;
    QString m_linkPath;
    QString m_error;
};

} // namespace kt913::radio
