// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The step machine that moves the radio's memory over the programming cable. It is fed
// the port's receive events (onReceiveEvent) and the ticks of the 200 ms time-out timer TimerW
// (tick); whoever owns TimerW starts and stops it when timerWChanged says so. A read
// stores into the model's memory image, a write sends from its output image. The engine
// shows nothing: it tells how a transfer ended through outcome(), synchronously from
// inside the receive event or tick, so listeners that open windows must queue (Transfer
// does).
#include "link/LinkTiming.h"
#include "link/SerialLine.h"
#include "link/ProtocolFrames.h"
#include <QObject>

namespace kt913 {

class RadioModel;

// The transfer state, by the names the protocol's description uses.
struct TransferState {
    bool ReadActive = false;
    bool WriteActive = false;
    qint16 ReadStep = 1;     // 1..196
    qint16 WriteStep = 1;    // 1..196
    qint16 TimeoutTicks = 0; // TimerW ticks since the last transition
    QString RxHex;           // reception text; cleared only when a step sends
    QByteArray SendBuffer;   // the frame being sent; emptied when a transfer ends
    bool TimerWEnabled = false;
    bool BandQuestionPending = false; // write waits in step 2 for answerBandQuestion()
};

class ProtocolEngine : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        ReadFinished,          // the memory image holds the radio's memory
        WriteFinished,         // the output image is in the radio
        BandMismatchRefused,   // write stopped: the radio's band differs from the selection
        BandMismatchToConfirm, // write waits: call answerBandQuestion() (force-write mode)
        CommunicationTimeout,  // eleven ticks without a transition; an End byte was sent
    };
    Q_ENUM(Outcome)

    static constexpr int kTickMs = LinkTiming{}.tickMs;             // TimerW interval
    static constexpr int kTimeoutTicks = LinkTiming{}.timeoutTicks; // the eleventh tick ends the transfer

    // The engine listens to the port's receive event itself. It reads the service modes
    // and the band selection from the model at the moment it needs them. Both
    // objects must outlive the engine.
    ProtocolEngine(RadioModel &model, SerialLine &port, QObject *parent = nullptr);

    // Start a transfer: step 1, TimerW on, handshake sent. RxHex is kept from before.
    // Refused (false, nothing sent) while a transfer runs. The port's open state is the
    // caller's concern: on a closed port nothing goes out and the transfer times out.
    bool startRead();
    bool startWrite();
    // A read that stores into `target` instead of the memory image (the read-back of a
    // verified write, which must leave the user's data alone). `target` must outlive the
    // read.
    bool startReadInto(Image &target);

    // The port's receive event. Takes what waits and, while a transfer runs, does at most one
    // step. Events other than SerialLine::kBytesWaiting are ignored.
    void onReceiveEvent(int commEvent);
    // One TimerW tick; ignored while TimerW is off.
    void tick();
    // The user's answer after Outcome::BandMismatchToConfirm: true goes on writing, false
    // ends the write with an End byte and no further outcome. Ignored when not asked.
    void answerBandQuestion(bool writeAnyway);

    // Ticks without a transition before a transfer ends (kTimeoutTicks unless a test
    // shortens it). Taken at the next tick.
    void setTimeoutTicks(int ticks) { m_timeoutTicks = ticks; }

    const TransferState &state() const { return m_state; }
    bool isRunning() const { return m_state.ReadActive || m_state.WriteActive; }

signals:
    // The step about to run (1..196), before each receive-event step of a transfer.
    void progress(int step);
    // Every frame as it goes out, and every piece of input as a receive event takes it:
    // what a serial trace records.
    void frameSent(const QByteArray &frame);
    void bytesReceived(const QByteArray &bytes);
    // TimerW must run (true) or stop (false). A start always restarts the interval.
    void timerWChanged(bool enabled);
    void outcome(kt913::ProtocolEngine::Outcome outcome);

private:
    // Step 1 of a read or a write: that transfer's step and flag, TimerW on, handshake out.
    bool start(qint16 &step, bool &active);
    void readStepTable();
    void writeStepTable();
    void send(const QByteArray &frame); // Send X: one send
    void sendFrame(const QByteArray &frame); // Send X: one send per byte
    void setTimerW(bool enabled);
    void finish(Outcome how);

    RadioModel &m_model;
    SerialLine &m_port;
    TransferState m_state;
    Image *m_readTarget = nullptr;
    int m_timeoutTicks = kTimeoutTicks;
};

} // namespace kt913
