// SPDX-License-Identifier: GPL-3.0-or-later
#include "subclass/SubclassError.h"

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

QString codeText(SubclassError::Code code)
{
    switch (code) {
    case SubclassError::CantSubclass: return QStringLiteral("Can't subclass window");
    case SubclassError::AlreadyHandled: return QStringLiteral("Message already handled by another class");
    case SubclassError::InvalidWindow: return QStringLiteral("Invalid window");
    case SubclassError::ExternalWindow: return QStringLiteral("Can't modify external window");
    }
    return {};
}

} // namespace

SubclassError SubclassError::make(Code code)
{
    SubclassError e;
    e.number = 0x80040000u | code;
    e.source = executableName() + QStringLiteral(".WindowProc");
    e.description = codeText(code);
    return e;
}

SubclassError SubclassError::invalidArgument()
{
    SubclassError e;
    e.number = InvalidArgument;
    e.source = executableName();
    e.description = QStringLiteral("Invalid procedure call or argument");
    return e;
}

} // namespace kt913
