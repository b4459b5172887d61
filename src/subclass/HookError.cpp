// SPDX-License-Identifier: GPL-3.0-or-later
#include "subclass/HookError.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace kt913 {

namespace {

// The executable's name without folder and extension; the application name stands in
// when no application object exists to tell the executable's path.
QString executableName()
{
    if (QCoreApplication::instance())
        return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return QCoreApplication::applicationName();
}

QString codeText(HookError::Code code)
{
    switch (code) {
    case HookError::CantSubclass: return QStringLiteral("Can't subclass window");
    case HookError::AlreadyHandled: return QStringLiteral("Message already handled by another class");
    case HookError::InvalidWindow: return QStringLiteral("Invalid window");
    case HookError::ExternalWindow: return QStringLiteral("Can't modify external window");
    }
    return {};
}

} // namespace

HookError HookError::make(Code code)
{
    HookError e;
    e.number = 0x80040000u | code;
    e.source = executableName() + QStringLiteral(".WindowProc");
    e.description = codeText(code);
    return e;
}

HookError HookError::invalidArgument()
{
    HookError e;
    e.number = InvalidArgument;
    e.source = executableName();
    e.description = QStringLiteral("Invalid procedure call or argument");
    return e;
}

} // namespace kt913
