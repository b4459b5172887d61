// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The double click that locks a service mode again: the toolbar buttons TAnMa and TDebug
// act only on a second click within one second of the first.
#include <functional>

namespace kt913 {

// Seconds since midnight, rounded to the nearest second. Tests give their own clock.
using SecondsOfDay = std::function<int()>;
SecondsOfDay systemSecondsOfDay();

class LockButton {
public:
    explicit LockButton(SecondsOfDay clock = systemSecondsOfDay()) : m_clock(std::move(clock)) {}

    // One click. True when it is the second click within the same second as the stored
    // one: the mode is to be locked and the stored time is forgotten.
    bool click();
    bool hasStoredTime() const { return m_stored; }

private:
    SecondsOfDay m_clock;
    bool m_stored = false; // kept apart from the time, so a click at midnight counts too
    int m_time = 0;
};

} // namespace kt913
