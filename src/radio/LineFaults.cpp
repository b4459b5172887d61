// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/LineFaults.h"

namespace kt913::radio {

namespace {
constexpr std::int64_t kNsPerMs = 1000000;
}

std::vector<LineFaults::Piece> LineFaults::shape(int frame, QByteArray reply) const
{
    // Corruption first, at positions of the reply as the radio meant it; junk is no part
    // of the reply and is not counted.
    if (frame == flipReply && flipByte >= 1 && flipByte <= reply.size())
        reply[flipByte - 1] = char(std::uint8_t(reply[flipByte - 1]) ^ flipMask);
    if (frame == dropReply && dropByte >= 1 && dropByte <= reply.size())
        reply.remove(dropByte - 1, 1);
    if (frame == junkBeforeReply)
        reply.prepend(junkBefore);
    if (frame == junkAfterReply)
        reply.append(junkAfter);

    std::vector<Piece> pieces;
    if (frame == splitReply) {
        for (int i = 0; i < reply.size(); ++i)
            pieces.push_back({reply.mid(i, 1), i == 0 ? 0 : splitPauseMs * kNsPerMs});
    } else if (!reply.isEmpty()) {
        pieces.push_back({reply, 0});
    }
    if (frame == stallReply && !pieces.empty())
        pieces.front().pauseNs += stallMs * kNsPerMs;
    return pieces;
}

} // namespace kt913::radio
