// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio's side of the conversation in a few lines, for feeding the engine in tests
// that need a whole transfer: it answers one frame at a time from its own memory.
#include "image/Image.h"
#include "support/FakeSerialLine.h"
#include <QByteArray>
#include <QTimer>
#include <functional>
#include <memory>

namespace kt913::test {

inline QByteArray identification(std::uint8_t band, const QByteArray &model = "HXP417")
{
    QByteArray id = model;
    id.append(char(band));
    id.append(char(0x00));
    return id;
}

struct ScriptedRadio {
    Image memory = filledImage(0xFF);
    std::uint8_t band = 0;
    bool debugBlocksSeen = false;

    // The reply to one frame the program sent.
    QByteArray answer(const QByteArray &frame)
    {
        if (frame == "PROGRAM" || frame == "\x06" || frame == "E")
            return QByteArray(1, 0x06);
        if (frame == QByteArray(1, 0x02))
            return identification(band);
        const int address = frame.size() >= 3 ? (std::uint8_t(frame[1]) << 8) | std::uint8_t(frame[2]) : -1;
        if (frame.size() == 4 && frame[0] == 'R') {
            QByteArray reply = frame.left(4);
            reply[0] = 'W';
            for (int i = 0; i < 16; ++i)
                reply.append(address + i < kImageSize ? char(memory[std::size_t(address + i)]) : char(0xFF));
            return reply;
        }
        if (frame.size() == 20 && frame[0] == 'W') {
            for (int i = 0; i < 16; ++i)
                if (address + i < kImageSize)
                    memory[std::size_t(address + i)] = std::uint8_t(frame[4 + i]);
            return QByteArray(1, 0x06);
        }
        return {};
    }
};

// Lets the radio answer every frame the program sends while `running` holds. Replies
// are fed in two pieces, as a line may deliver them. `writeAck` stands in for the
// radio's acknowledge once the write is past the identification (writeStep() >= 3).
inline QByteArray converse(FakeSerialLine &port, ScriptedRadio &radio, const std::function<bool()> &running,
                           const std::function<int()> &writeStep = {}, const QByteArray &writeAck = QByteArray(1, 0x06))
{
    QByteArray wire;
    for (int round = 0; round < 1000 && running(); ++round) {
        const QByteArray frame = port.takeSent();
        wire += frame;
        QByteArray reply = radio.answer(frame);
        if (reply.isEmpty())
            break;
        if (reply == QByteArray(1, 0x06) && writeStep && writeStep() >= 3)
            reply = writeAck;
        port.feed(reply.left(7));
        port.feed(reply.mid(7));
    }
    return wire + port.takeSent();
}

// The radio on a line: every frame the program sends is answered from the event loop, as
// a real line delivers a reply only after the program's step has returned. `reply` sees
// each frame with the scripted answer and gives what is sent instead (empty: nothing).
using LineReply = std::function<QByteArray(const QByteArray &frame, const QByteArray &answer)>;
inline void answerOnTheLine(FakeSerialLine &port, ScriptedRadio &radio, LineReply reply = {})
{
    auto pending = std::make_shared<bool>(false);
    port.onOutput = [&port, &radio, reply, pending](const QByteArray &) {
        if (*pending)
            return; // the rest of a frame going out byte by byte
        *pending = true;
        QTimer::singleShot(0, &port, [&port, &radio, reply, pending] {
            *pending = false;
            const QByteArray frame = port.takeSent();
            const QByteArray answer = radio.answer(frame);
            const QByteArray sent = reply ? reply(frame, answer) : answer;
            if (!sent.isEmpty() && port.isOpen())
                port.feed(sent);
        });
    };
}

inline Image patternImage(int seed)
{
    Image image;
    for (int a = 0; a < kImageSize; ++a)
        image[std::size_t(a)] = std::uint8_t((a * 7 + seed + (a >> 8)) & 0xFF);
    return image;
}

} // namespace kt913::test
