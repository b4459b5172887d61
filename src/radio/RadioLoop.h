// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Carries bytes between the master side of the pseudo-terminal and the radio session, on
// one thread with poll(). With pacing, every byte is held back until it would have crossed
// a real line: received bytes reach the session only then, and answers leave one line-time
// after another.
#include "radio/LineFaults.h"
#include "radio/LinePacer.h"
#include "radio/RadioSession.h"
#include "radio/RadioTrace.h"

#include <csignal>
#include <cstdint>
#include <deque>

namespace kt913::radio {

class RadioLoop {
public:
    enum class Ending { Stopped, HungUp, Failed };

    // How long a frame may pause between two of its bytes before it is given up.
    static constexpr std::int64_t kFrameGapNs = 500000000;
    // How long before the last byte of an answer is due the loop stops sleeping and spins.
    static constexpr std::int64_t kSpinNs = 200000;

    // byteNs 0: no pacing. hangupAfter < 0: never hang up; else the line is closed when
    // anything arrives after that many frames (and their answers). `faults` bend what
    // goes out on the line.
    RadioLoop(int masterFd, RadioSession &session, std::int64_t byteNs, int hangupAfter,
              LineFaults faults = {});

    // Runs until a signal unblocked by `waitMask` sets `stopFlag`, the hang-up frame count
    // is reached, or the line fails (errorText()).
    Ending run(const sigset_t &waitMask, const volatile std::sig_atomic_t &stopFlag);

    QString errorText() const { return m_error; }

    // Records each received frame and each answer put on the line (null: none).
    void setTrace(RadioTrace *trace) { m_trace = trace; }

    static std::int64_t monotonicNow();

private:
    struct TimedByte {
        std::uint8_t byte;
        std::int64_t due;
    };

    bool takeIncoming(std::int64_t now);
    void deliverDue(std::int64_t now);
    bool sendDue(std::int64_t now);
    void traceFrame();
    bool lastAnswerByteNext() const;
    std::int64_t nextDeadline() const;

    int m_fd;
    RadioSession &m_session;
    LinePacer m_incoming;
    LinePacer m_outgoing;
    int m_hangupAfter;
    LineFaults m_faults;
    bool m_hangingUp = false;
    bool m_outputBlocked = false;
    std::int64_t m_lastDelivery = 0;
    std::deque<TimedByte> m_received;
    std::deque<TimedByte> m_toSend;
    QString m_error;
    RadioTrace *m_trace = nullptr;
    QByteArray m_frameSoFar; // received bytes of the frame being traced
};

} // namespace kt913::radio
