// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The failures of attaching to a window. The hook code hands them back as values, so a
// caller that does not care can simply carry on.
#include <QString>
#include <QtGlobal>

namespace kt913 {

struct HookError {
    enum Code : quint32 {
        CantSubclass = 13081,
        AlreadyHandled = 13082,
        InvalidWindow = 13083,
        ExternalWindow = 13084,
    };
    // The general "bad argument" error, outside the hook codes' own range.
    static constexpr quint32 InvalidArgument = 5;

    quint32 number = 0; // 0x80040000 | code for the hook codes, 0 when all went well
    QString source;
    QString description;

    bool ok() const { return number == 0; }

    static HookError make(Code code);
    static HookError invalidArgument();
};

} // namespace kt913
