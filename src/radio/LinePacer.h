// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One direction of a serial line: a byte occupies the line for a fixed time, and the next
// byte cannot start before the previous one has gone. Deadlines run on from each other
// rather than from the moment a late wake-up happened, so oversleeping never adds up.
#include <algorithm>
#include <cstdint>

namespace kt913::radio {

class LinePacer {
public:
    // Start, data and stop bits of 8N1 framing.
    static constexpr std::int64_t kBitsPerByte = 10;

    static constexpr std::int64_t byteNanoseconds(std::int64_t baud)
    {
        // Rounded up: a paced line may be a hair slow, never faster than the real one.
        return baud > 0 ? (kBitsPerByte * 1000000000 + baud - 1) / baud : 0;
    }

    explicit LinePacer(std::int64_t byteNs = 0) : m_byteNs(byteNs) {}

    bool paced() const { return m_byteNs > 0; }

    // The moment a byte handed to the line at `now` has crossed it.
    std::int64_t schedule(std::int64_t now)
    {
        m_freeAt = std::max(now, m_freeAt) + m_byteNs;
        return m_freeAt;
    }

private:
    std::int64_t m_byteNs;
    std::int64_t m_freeAt = 0;
};

} // namespace kt913::radio
