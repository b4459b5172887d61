// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/RadioLoop.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <limits>
#include <poll.h>
#include <unistd.h>

namespace kt913::radio {

namespace {
constexpr std::int64_t kNoDeadline = std::numeric_limits<std::int64_t>::max();
}

RadioLoop::RadioLoop(int masterFd, RadioSession &session, std::int64_t byteNs, int hangupAfter,
                     LineFaults faults)
    : m_fd(masterFd), m_session(session), m_incoming(byteNs), m_outgoing(byteNs),
      m_hangupAfter(hangupAfter), m_faults(std::move(faults))
{
}

std::int64_t RadioLoop::monotonicNow()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

RadioLoop::Ending RadioLoop::run(const sigset_t &waitMask, const volatile std::sig_atomic_t &stopFlag)
{
    while (!stopFlag) {
        std::int64_t now = monotonicNow();
        deliverDue(now);
        if (!sendDue(now))
            return Ending::Failed;
        if (m_hangingUp && m_toSend.empty())
            return Ending::HungUp;

        pollfd fd{m_fd, short(m_hangingUp ? 0 : POLLIN), 0};
        if (m_outputBlocked)
            fd.events |= POLLOUT;
        std::int64_t deadline = nextDeadline();
        if (deadline != kNoDeadline && lastAnswerByteNext()) {
            // The last byte of an answer hands the line back to the client, so lateness
            // there is lost for good (earlier bytes catch up, being paced by deadline).
            // Sleep to just short of it and spin the rest, clear of wake-up latency.
            if (deadline - monotonicNow() <= kSpinNs) {
                while (monotonicNow() < deadline) {
                }
                continue;
            }
            deadline -= kSpinNs;
        }
        timespec timeout{};
        timespec *timeoutPointer = nullptr;
        if (deadline != kNoDeadline) {
            // Measured against the absolute deadline each time round, so a late wake-up
            // shortens the next wait instead of pushing every later byte back.
            const std::int64_t wait = std::max<std::int64_t>(0, deadline - monotonicNow());
            timeout.tv_sec = time_t(wait / 1000000000);
            timeout.tv_nsec = long(wait % 1000000000);
            timeoutPointer = &timeout;
        }
        const int ready = ppoll(&fd, 1, timeoutPointer, &waitMask);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            m_error = QStringLiteral("poll: ") + QString::fromLocal8Bit(std::strerror(errno));
            return Ending::Failed;
        }
        if (fd.revents & POLLOUT)
            m_outputBlocked = false;
        if ((fd.revents & (POLLIN | POLLHUP | POLLERR)) && !takeIncoming(monotonicNow()))
            return Ending::Failed;
    }
    return Ending::Stopped;
}

bool RadioLoop::takeIncoming(std::int64_t now)
{
    std::uint8_t buffer[512];
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n > 0) {
            for (ssize_t i = 0; i < n; ++i)
                m_received.push_back({buffer[i], m_incoming.schedule(now)});
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        // EIO means no client holds the device; we keep the slave open, so this is rare
        // and harmless: the next client brings new bytes.
        if (n == 0 || errno == EAGAIN || errno == EWOULDBLOCK || errno == EIO)
            return true;
        m_error = QStringLiteral("read: ") + QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
}

// A received byte reaches the radio when it has crossed the line, and the answer starts
// at that moment: pacing its bytes from the byte's due time rather than from now lets a
// late wake-up catch up instead of stretching the conversation.
void RadioLoop::deliverDue(std::int64_t now)
{
    while (!m_hangingUp && !m_received.empty() && m_received.front().due <= now) {
        // Hanging up at the first byte after the last answered frame, not right after the
        // answer: a hang-up throws away whatever the client has not read yet.
        if (m_hangupAfter >= 0 && m_session.framesReceived() >= m_hangupAfter) {
            m_hangingUp = true;
            m_received.clear();
            return;
        }
        const TimedByte arrived = m_received.front();
        m_received.pop_front();
        m_lastDelivery = arrived.due;
        // An echoing cable returns the byte as it passes, ahead of any answer to it.
        if (m_faults.echoes(m_session.framesReceived())) {
            m_toSend.push_back({arrived.byte, m_outgoing.schedule(arrived.due)});
            if (m_trace)
                m_trace->sent(QByteArray(1, char(arrived.byte)));
        }
        const QByteArray answer = m_session.receive(arrived.byte);
        m_frameSoFar.append(char(arrived.byte));
        if (!m_session.inFrame())
            traceFrame();
        if (answer.isEmpty())
            continue;
        std::int64_t at = arrived.due;
        QByteArray onTheLine;
        for (const LineFaults::Piece &piece : m_faults.shape(m_session.framesReceived(), answer)) {
            at += piece.pauseNs;
            onTheLine += piece.bytes;
            for (char byte : piece.bytes)
                m_toSend.push_back({std::uint8_t(byte), m_outgoing.schedule(at)});
        }
        if (m_trace)
            m_trace->sent(onTheLine);
    }
    if (m_session.inFrame() && m_received.empty() && now - m_lastDelivery >= kFrameGapNs) {
        m_session.abandonFrame();
        traceFrame();
    }
}

void RadioLoop::traceFrame()
{
    if (m_trace)
        m_trace->received(m_frameSoFar);
    m_frameSoFar.clear();
}

bool RadioLoop::sendDue(std::int64_t now)
{
    if (m_outputBlocked)
        return true;
    std::uint8_t buffer[512];
    std::size_t count = 0;
    while (count < m_toSend.size() && count < sizeof buffer && m_toSend[count].due <= now) {
        buffer[count] = m_toSend[count].byte;
        ++count;
    }
    if (count == 0)
        return true;
    const ssize_t n = ::write(m_fd, buffer, count);
    if (n < 0) {
        if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) {
            m_outputBlocked = errno != EINTR;
            return true;
        }
        m_error = QStringLiteral("write: ") + QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    m_toSend.erase(m_toSend.begin(), m_toSend.begin() + n);
    if (std::size_t(n) < count)
        m_outputBlocked = true;
    return true;
}

bool RadioLoop::lastAnswerByteNext() const
{
    return m_toSend.size() == 1 && m_received.empty() && !m_outputBlocked && m_incoming.paced();
}

std::int64_t RadioLoop::nextDeadline() const
{
    std::int64_t deadline = kNoDeadline;
    if (!m_hangingUp && !m_received.empty())
        deadline = m_received.front().due;
    if (!m_outputBlocked && !m_toSend.empty())
        deadline = std::min(deadline, m_toSend.front().due);
    if (m_session.inFrame() && m_received.empty())
        deadline = std::min(deadline, m_lastDelivery + kFrameGapNs);
    return deadline;
}

} // namespace kt913::radio
