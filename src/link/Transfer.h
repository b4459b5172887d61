// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading and writing the radio without any window: the part of the read and write
// commands that the main window and the command line share. A Transfer owns the serial
// port, the protocol engine and the time-out timer TimerW (200 ms); it works on a
// RadioModel that it does not own.
//
// Everything a listener hears arrives by queued signals, never from inside the port's
// receive event, so a slot may open a modal message box or progress window.
//
//   started(kind)       -> show the progress window (range 1..kSteps)
//   progressChanged(n)  -> move the progress bar
//   bandQuestion()      -> ask; then call answerBandQuestion(ok)
//   finished(ending)    -> close the progress window, show message(ending) if any
#include "image/Image.h"
#include "image/Messages.h"
#include "link/LinkTiming.h"
#include "link/SerialLine.h"
#include "link/ProtocolEngine.h"
#include "link/WriteVerify.h"
#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>

namespace kt913 {

class RadioModel;
class SerialTrace;

class Transfer : public QObject {
    Q_OBJECT
public:
    // Compare: the radio read into an image of its own; the model is left alone.
    enum class Kind { Read, Write, Compare };
    Q_ENUM(Kind)

    enum class Ending {
        ReadFinished,          // the model was decoded from the radio's memory
        WriteFinished,
        BandMismatchRefused,   // the radio is of another band; nothing was written
        BandMismatchCancelled, // the user declined to force the write; no message
        CommunicationTimeout,  // no or wrong answer from the radio (also a failed port)
        PortInvalid,           // no port open: nothing was sent
        VerifyFailed,          // written, but the read-back differs or failed: lastVerify()
        ComparisonReadFinished, // the radio's memory is in receivedImage(); the model is untouched
    };
    Q_ENUM(Ending)

    static constexpr int kSteps = frames::kSteps; // progress range 1..kSteps

    // With the program's serial port (SerialPortLine).
    explicit Transfer(RadioModel &model, QObject *parent = nullptr);
    // With a port of the caller's choosing (a test's scripted port).
    Transfer(RadioModel &model, std::unique_ptr<SerialLine> port, QObject *parent = nullptr);
    ~Transfer() override;

    SerialLine &port() { return *m_port; }
    const ProtocolEngine &engine() const { return m_engine; }
    QTimer &timerW() { return m_timerW; }
    RadioModel &model() { return m_model; }

    // Chooses and opens a port (see SerialLine::setPortName); the previous one is closed.
    PortOpenResult openPort(const QString &port);

    // Opens again a port that failed while open (portLost). True when the port is open
    // afterwards. The transfers call it before they start.
    bool reopenLostPort();

    // Start reading the radio into the model. Returns true when the transfer started
    // (started(Read) follows); false when the port is not open (finished(PortInvalid)
    // follows) or a transfer already runs (nothing follows).
    bool startRead();
    // Start writing the model to the radio: the handshake goes out, then EncodeImage
    // refreshes the output image before the radio's first reply is handled.
    bool startWrite();

    // Read the radio for a comparison with the model: the same read, progress, endings and
    // backup as startRead(), but into an image of its own, so the model (the editors) is
    // left alone. finished(ComparisonReadFinished) follows once the radio has answered the
    // read's End, so that a write may start at once.
    bool startComparisonRead();

    // The answer to bandQuestion(): true writes anyway, false ends the write
    // (finished(BandMismatchCancelled) follows).
    void answerBandQuestion(bool writeAnyway);

    // The memory image exactly as the last finished read (or comparison read) received
    // it, taken before DecodeImage (which marks a byte of the memory image).
    const Image &receivedImage() const { return m_received; }

    // Where each successful read is also kept as received (empty, the default: nowhere).
    // A backup that cannot be written never turns the read into a failure: it is only
    // announced by backupFailed().
    void setBackupFolder(const QString &folder) { m_backupFolder = folder; }

    // With verification on, a finished write is followed by a read of the radio into an
    // image of its own (the model is left alone), compared with what the write sent:
    // finished(WriteFinished) when every byte matches, else finished(VerifyFailed).
    void setVerifyWrites(bool on) { m_verifyWrites = on; }
    bool verifyWrites() const { return m_verifyWrites; }
    const VerifyResult &lastVerify() const { return m_verify; }

    // The waits of the link (the radio's own by default). Taken by the next transfer or
    // probe; a change while one runs applies from its next wait on.
    void setTiming(const LinkTiming &timing);
    const LinkTiming &timing() const { return m_timing; }

    // Records every frame of this port into `trace` (not owned; null: none). The trace
    // must outlive the transfer or be taken away first.
    void setTrace(SerialTrace *trace) { m_trace = trace; }

    // Asks, outside any transfer, whether a radio answers on the port: the handshake goes
    // out, and a radio that acknowledges within timing().probeMs is let out of programming
    // mode again with an End; presence(answered) follows once that End has been answered,
    // so a write may start at once. A port that is not open (lost, or not there before) is
    // opened first. False (and nothing follows) while a transfer or another probe runs.
    bool probe();
    bool isProbing() const { return m_probing; }

    // A transfer runs from a successful start until its finished() is delivered.
    bool isRunning() const { return m_running; }

    // The message a front end shows for an ending (none for BandMismatchCancelled).
    static std::optional<MessageId> messageFor(Ending ending);
    // True for the successful endings (the two transfers and the comparison read).
    static bool succeeded(Ending ending);

signals:
    void started(kt913::Transfer::Kind kind);
    // The write went through and the radio is being read back (progress starts afresh).
    void verifyStarted();
    void progressChanged(int step);
    void bandQuestion();
    void finished(kt913::Transfer::Ending ending);
    void presence(bool answered);
    // Before finished(ReadFinished): the read was kept at `path`, or could not be.
    void backupKept(const QString &path);
    // The open port failed and was closed; it was opened again.
    void portLost(const QString &reason);
    void portReopened();
    void backupFailed(const QString &reason);

private:
    void onEngineOutcome(ProtocolEngine::Outcome outcome);
    void deliver(Ending ending);
    void keepBackup();
    bool start(Kind kind);
    void startReadBack();
    void endProbe();
    void traceSent(const QByteArray &frame);
    QString tracedPortName() const;
    void onReadBackOutcome(ProtocolEngine::Outcome outcome);

    RadioModel &m_model;
    std::unique_ptr<SerialLine> m_port;
    ProtocolEngine m_engine;
    QTimer m_timerW;
    LinkTiming m_timing;
    Image m_received{};
    Image m_compared{}; // where a comparison read stores, until it has finished
    QString m_backupFolder;
    SerialTrace *m_trace = nullptr;
    bool m_reopenWanted = false;
    bool m_running = false;
    int m_lastProgress = 0;
    Kind m_kind = Kind::Read;
    bool m_probing = false;
    bool m_probeAnswered = false;
    bool m_verifyWrites = false;
    bool m_readingBack = false;
    int m_readBackAttempt = 0;
    bool m_debugWritten = false; // the alignment blocks went out with the write
    Image m_sent{};              // the output image as the write sent it
    Image m_readBack{};
    VerifyResult m_verify;
};

} // namespace kt913
