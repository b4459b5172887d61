// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio's half of the programming conversation, as a byte-driven state machine with no
// I/O of its own: whoever owns the line feeds it the received bytes, in whatever pieces
// they arrive, and sends back what it returns.
#include "radio/RadioMemory.h"
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>

namespace kt913::radio {

// What the radio says about itself when asked (byte 02).
struct Identity {
    QByteArray model = "HXP417";
    std::uint8_t band = 0;
    std::uint8_t extra = 0x00; // the byte after the band code
    int length = -1;           // total length to send; -1 for model + band + extra

    QByteArray bytes() const;
};

struct Behaviour {
    bool silent = false;       // receives and logs, never answers
    int quietAfterFrames = -1; // after this many frames the radio goes deaf and mute
    int keepWrongAddress = -1; // a written byte here is stored inverted (a failing cell)
};

class RadioSession {
public:
    enum class State {
        AwaitProgram,     // not in programming mode
        AwaitIdentify,    // PROGRAM acknowledged
        AwaitAcknowledge, // identification sent
        Programming,      // read and write frames are served
    };

    RadioSession(RadioMemory &memory, Identity identity, Behaviour behaviour = {});

    QByteArray receive(const QByteArray &bytes);
    QByteArray receive(std::uint8_t byte);

    // A frame left half-received (a client that died mid-frame) would swallow the next
    // client's handshake; the owner of the line drops it after a pause in the bytes.
    bool inFrame() const { return !m_frame.isEmpty(); }
    void abandonFrame();

    State state() const { return m_state; }
    int framesReceived() const { return m_frames; }
    bool deaf() const;

    // One line per frame received, also for frames the radio ignores: "PROGRAM", "02",
    // "06", "E", "R 07E0", "W 07E0 <32 hex digits>" (a length other than 16 follows the
    // address as two hex digits: "R 07E0 05"), and "? <hex>" for bytes that make no frame.
    std::function<void(const QString &line)> frameLogged;
    // An End that closes a session in which at least one write frame was stored; called
    // before the End is logged, so that a log reader who sees the End sees the saved state.
    std::function<void()> writeCompleted;

private:
    void startFrame(std::uint8_t lead, QByteArray &reply);
    void continueFrame(std::uint8_t byte, QByteArray &reply);
    void finishFrame(QByteArray &reply);
    void serveRead(const QByteArray &frame, QByteArray &reply);
    void storeWrite(const QByteArray &frame, QByteArray &reply);
    void end(QByteArray &reply);
    void discard(const QByteArray &junk);
    void log(const QString &line);

    RadioMemory &m_memory;
    Identity m_identity;
    Behaviour m_behaviour;
    State m_state = State::AwaitProgram;
    QByteArray m_frame; // the frame being collected, lead byte first
    int m_frameLength = 0; // its total length once known, else 0
    int m_frames = 0;
    int m_writesThisSession = 0;
};

} // namespace kt913::radio
