// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How long the link waits for the radio. The defaults are the radio's own timing, which
// every transfer with a real radio uses; only tests shorten them, to reach the time-outs
// and retries in milliseconds instead of seconds.

namespace kt913 {

struct LinkTiming {
    int tickMs = 200;      // the interval of TimerW
    int timeoutTicks = 10; // the tick after these ends a transfer without a transition
    // A probe waits this long for the radio's acknowledge; once it has answered, the End
    // that lets it out of programming mode gets settleMs before anything else is sent.
    int probeMs = 800;
    int settleMs = 400;
    // After a verified write's End: the radio's pause before it is read back, and how many
    // reads are tried (a radio may restart after programming and miss the first).
    int readBackDelayMs = 1000;
    int readBackAttempts = 3;
};

} // namespace kt913
