// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The suite's real-time bounds (how long a test waits for something that should come at
// once), stretched with one factor on slow builds: CTest passes KT913_TIME_FACTOR, larger
// for a sanitizer build, and it may be set by hand for a busy machine.
#include <QtGlobal>

namespace kt913::test {

inline int timeFactor()
{
    bool ok = false;
    const int factor = qEnvironmentVariableIntValue("KT913_TIME_FACTOR", &ok);
    return ok && factor > 0 ? factor : 1;
}

inline int timeBound(int ms)
{
    return ms * timeFactor();
}

} // namespace kt913::test
