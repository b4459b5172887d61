// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Faults of a bad cable or a confused radio, for tests of how the program copes: each one
// hits the reply to one numbered frame (frames are counted from the first one received,
// 1 being the handshake), so a test can aim it at the handshake, the identification or any
// data block. The radio's own conversation is not touched; only what crosses the line is.
#include <QByteArray>
#include <cstdint>
#include <vector>

namespace kt913::radio {

struct LineFaults {
    int splitReply = -1;    // sent one byte at a time, splitPauseMs apart
    int splitPauseMs = 50;
    int junkBeforeReply = -1;
    QByteArray junkBefore;  // sent just ahead of that reply, in the same write
    int junkAfterReply = -1;
    QByteArray junkAfter;   // sent just behind it, in the same write
    int dropReply = -1;
    int dropByte = 0;       // 1 for the reply's first byte
    int flipReply = -1;
    int flipByte = 0;       // 1 for the reply's first byte
    std::uint8_t flipMask = 0xFF;
    int stallReply = -1;    // held back stallMs before its first byte goes
    int stallMs = 0;
    int echoAfter = -1;     // every byte of frames after this many is sent back, as some cables do

    struct Piece {
        QByteArray bytes;
        std::int64_t pauseNs = 0; // after the previous piece (or the frame's arrival)
    };

    // What goes on the line for `reply`, the answer to frame number `frame`.
    std::vector<Piece> shape(int frame, QByteArray reply) const;
    // Whether a byte that arrives after `framesSoFar` whole frames is echoed.
    bool echoes(int framesSoFar) const { return echoAfter >= 0 && framesSoFar >= echoAfter; }
};

} // namespace kt913::radio
