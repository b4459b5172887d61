// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/LockButton.h"
#include <QTime>

namespace kt913 {

SecondsOfDay systemSecondsOfDay()
{
    return [] { return (QTime::currentTime().msecsSinceStartOfDay() + 500) / 1000 % 86400; };
}

bool LockButton::click()
{
    const int now = m_clock();
    // Elapsed time across midnight counts forwards, not as a negative interval.
    const int elapsed = ((now - m_time) % 86400 + 86400) % 86400;
    if (!m_stored || elapsed >= 1) {
        m_stored = true;
        m_time = now;
        return false;
    }
    m_stored = false;
    m_time = 0;
    return true;
}

} // namespace kt913
