// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/PseudoTerminal.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace kt913::radio {

PseudoTerminal::~PseudoTerminal()
{
    close();
}

bool PseudoTerminal::fail(const QString &what)
{
    m_error = what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
    close();
    return false;
}

bool PseudoTerminal::open()
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        return fail(QStringLiteral("posix_openpt"));
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0)
        return fail(QStringLiteral("grantpt/unlockpt"));
    const char *name = ptsname(m_master);
    if (!name)
        return fail(QStringLiteral("ptsname"));
    m_devicePath = QString::fromLocal8Bit(name);

    // Holding the slave open ourselves keeps the master readable when the client closes
    // the device (the last close of the slave would otherwise turn every read into EIO),
    // and keeps the raw settings in place between clients.
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0)
        return fail(QStringLiteral("open ") + m_devicePath);
    termios tio{};
    if (tcgetattr(m_slave, &tio) != 0)
        return fail(QStringLiteral("tcgetattr"));
    // Raw: no echo back to the client, no CR/LF translation, no signal characters; any
    // of these would corrupt binary frames.
    cfmakeraw(&tio);
    cfsetispeed(&tio, B9600);
    cfsetospeed(&tio, B9600);
    if (tcsetattr(m_slave, TCSANOW, &tio) != 0)
        return fail(QStringLiteral("tcsetattr"));

    const int flags = fcntl(m_master, F_GETFL);
    if (flags < 0 || fcntl(m_master, F_SETFL, flags | O_NONBLOCK) != 0)
        return fail(QStringLiteral("fcntl"));
    fcntl(m_master, F_SETFD, FD_CLOEXEC);
    fcntl(m_slave, F_SETFD, FD_CLOEXEC);
    return true;
}

bool PseudoTerminal::link(const QString &path)
{
    const QByteArray target = QFile::encodeName(m_devicePath);
    const QByteArray linkName = QFile::encodeName(path);
    // symlink() never replaces anything: whatever already has the name (a file, someone
    // else's link, even a stale link of an earlier radio) is not ours to remove. The link
    // appears whole in one step, so a client never finds it half-made.
    if (::symlink(target.constData(), linkName.constData()) != 0) {
        m_error = errno == EEXIST
            ? path + QStringLiteral(" already exists; not replacing it (remove it first if it is a stale link)")
            : QStringLiteral("symlink ") + path + QStringLiteral(": ")
                  + QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    m_linkPath = path;
    return true;
}

void PseudoTerminal::close()
{
    if (!m_linkPath.isEmpty()) {
        // Only our own link: someone may have pointed the name elsewhere meanwhile.
        const QByteArray linkName = QFile::encodeName(m_linkPath);
        char target[4096];
        const ssize_t n = ::readlink(linkName.constData(), target, sizeof target - 1);
        if (n >= 0 && QByteArray(target, int(n)) == QFile::encodeName(m_devicePath))
            ::unlink(linkName.constData());
        m_linkPath.clear();
    }
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
    m_slave = m_master = -1;
}

} // namespace kt913::radio
