// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/Transfer.h"
#include "image/ReadBackups.h"
#include "image/ImageCodec.h"
#include "image/RadioModel.h"
#include "link/PortNames.h"
#include "link/SerialPortLine.h"
#include "link/SerialTrace.h"
#include <QMetaEnum>

namespace kt913 {

Transfer::Transfer(RadioModel &model, QObject *parent)
    : Transfer(model, std::make_unique<SerialPortLine>(), parent)
{
}

Transfer::Transfer(RadioModel &model, std::unique_ptr<SerialLine> port, QObject *parent)
    : QObject(parent), m_model(model), m_port(std::move(port)), m_engine(model, *m_port)
{
    m_port->setParent(nullptr); // owned by the unique_ptr, not by a QObject parent
    m_timerW.setObjectName(QStringLiteral("TimerW"));
    m_timerW.setInterval(m_timing.tickMs);
    connect(&m_timerW, &QTimer::timeout, &m_engine, &ProtocolEngine::tick);
    connect(&m_engine, &ProtocolEngine::timerWChanged, this, [this](bool enabled) {
        if (enabled)
            m_timerW.start();
        else
            m_timerW.stop();
    });
    connect(&m_engine, &ProtocolEngine::progress, this, [this](int step) {
        if (step == m_lastProgress)
            return;
        m_lastProgress = step;
        QMetaObject::invokeMethod(this, [this, step] { emit progressChanged(step); }, Qt::QueuedConnection);
    });
    connect(&m_engine, &ProtocolEngine::outcome, this, &Transfer::onEngineOutcome);
    connect(&m_engine, &ProtocolEngine::frameSent, this, &Transfer::traceSent);
    connect(&m_engine, &ProtocolEngine::bytesReceived, this, [this](const QByteArray &bytes) {
        if (m_trace)
            m_trace->record(tracedPortName(), SerialTrace::Direction::Received, bytes);
        if (m_probing && bytes.contains(frames::kAcknowledge))
            m_probeAnswered = true;
    });
    // A cable pulled or an adapter replugged: the same port is tried again before the
    // next transfer, so that the user need not choose it anew.
    connect(m_port.get(), &SerialLine::portFailed, this, [this](const QString &reason) {
        m_reopenWanted = true;
        emit portLost(reason);
    });
}

Transfer::~Transfer()
{
    m_timerW.stop();
}

void Transfer::setTiming(const LinkTiming &timing)
{
    m_timing = timing;
    m_timerW.setInterval(timing.tickMs);
    m_engine.setTimeoutTicks(timing.timeoutTicks);
}

PortOpenResult Transfer::openPort(const QString &port)
{
    m_reopenWanted = false;
    m_port->closePort();
    m_port->setPortName(port);
    return m_port->openPort();
}

bool Transfer::reopenLostPort()
{
    if (m_port->isOpen() || !m_reopenWanted || m_running)
        return m_port->isOpen();
    if (!m_port->openPort().ok())
        return false;
    m_reopenWanted = false;
    emit portReopened();
    return true;
}

bool Transfer::startRead()
{
    return start(Kind::Read);
}

bool Transfer::startWrite()
{
    return start(Kind::Write);
}

bool Transfer::startComparisonRead()
{
    return start(Kind::Compare);
}

// The system's name ("COM3" rather than the port list's "3").
QString Transfer::tracedPortName() const
{
    return systemPortName(m_port->portName());
}

void Transfer::traceSent(const QByteArray &frame)
{
    if (m_trace)
        m_trace->record(tracedPortName(), SerialTrace::Direction::Sent, frame);
}

bool Transfer::probe()
{
    if (m_running || m_probing || m_engine.isRunning())
        return false;
    m_probing = true;
    m_probeAnswered = false;
    if (!m_port->isOpen() && !m_port->portName().isEmpty() && m_port->openPort().ok() && m_reopenWanted) {
        m_reopenWanted = false;
        emit portReopened();
    }
    if (!m_port->isOpen()) {
        QTimer::singleShot(0, this, &Transfer::endProbe);
        return true;
    }
    // The idle engine takes in whatever arrives (it only grows the reception text, which
    // the next transfer's first step reads as the acknowledge it is); the answer is seen
    // on its way through.
    const QByteArray handshake = frames::handshake();
    traceSent(handshake);
    m_port->send(handshake);
    QTimer::singleShot(m_timing.probeMs, this, &Transfer::endProbe);
    return true;
}

void Transfer::endProbe()
{
    const bool answered = m_probeAnswered && m_port->isOpen();
    if (answered) {
        const QByteArray end(1, frames::kEnd);
        traceSent(end);
        m_port->send(end);
    }
    QTimer::singleShot(answered ? m_timing.settleMs : 0, this, [this, answered] {
        m_probing = false;
        emit presence(answered);
    });
}

bool Transfer::start(Kind kind)
{
    if (m_running || m_probing || m_engine.isRunning())
        return false;
    reopenLostPort();
    if (!m_port->isOpen()) {
        QMetaObject::invokeMethod(this, [this] { emit finished(Ending::PortInvalid); }, Qt::QueuedConnection);
        return false;
    }
    m_kind = kind;
    m_running = true;
    m_verify = VerifyResult{};
    if (m_trace)
        m_trace->remark(QStringLiteral("%1 %2 started")
                            .arg(tracedPortName(), kind == Kind::Read ? "read" : kind == Kind::Write ? "write" : "comparison read"));
    m_lastProgress = 0;
    if (kind == Kind::Read) {
        m_engine.startRead();
    } else if (kind == Kind::Compare) {
        m_compared.fill(0xFF);
        m_engine.startReadInto(m_compared);
    } else {
        m_engine.startWrite();
        // Nothing the radio answers is handled before this returns to the event loop.
        EncodeImage(m_model);
    }
    QMetaObject::invokeMethod(this, [this, kind] { emit started(kind); }, Qt::QueuedConnection);
    return true;
}

void Transfer::answerBandQuestion(bool writeAnyway)
{
    if (!m_engine.state().BandQuestionPending)
        return;
    m_engine.answerBandQuestion(writeAnyway);
    if (!writeAnyway)
        deliver(Ending::BandMismatchCancelled);
}

void Transfer::onEngineOutcome(ProtocolEngine::Outcome outcome)
{
    if (m_readingBack) {
        onReadBackOutcome(outcome);
        return;
    }
    switch (outcome) {
    case ProtocolEngine::Outcome::ReadFinished:
        if (m_kind == Kind::Compare) {
            // A write often follows at once (a previewed write); the read's End must have
            // its answer first, or the write would take it for the handshake's.
            QTimer::singleShot(m_timing.settleMs, this, [this] { deliver(Ending::ComparisonReadFinished); });
            break;
        }
        deliver(Ending::ReadFinished);
        break;
    case ProtocolEngine::Outcome::WriteFinished:
        if (m_verifyWrites) {
            // Taken now, inside the last step: exactly what went out.
            m_sent = m_model.outputImage();
            m_debugWritten = m_model.debugUnlocked();
            m_readingBack = true;
            m_readBackAttempt = 0;
            // The radio still has to answer the End; a handshake sent before that
            // answer is in would take it for its own acknowledge.
            QTimer::singleShot(m_timing.readBackDelayMs, this, &Transfer::startReadBack);
            break;
        }
        deliver(Ending::WriteFinished);
        break;
    case ProtocolEngine::Outcome::BandMismatchRefused:
        deliver(Ending::BandMismatchRefused);
        break;
    case ProtocolEngine::Outcome::CommunicationTimeout:
        deliver(Ending::CommunicationTimeout);
        break;
    case ProtocolEngine::Outcome::BandMismatchToConfirm:
        QMetaObject::invokeMethod(this, [this] { emit bandQuestion(); }, Qt::QueuedConnection);
        break;
    }
}

void Transfer::startReadBack()
{
    ++m_readBackAttempt;
    m_readBack.fill(0xFF);
    m_lastProgress = 0;
    reopenLostPort();
    if (!m_port->isOpen() || !m_engine.startReadInto(m_readBack)) {
        onReadBackOutcome(ProtocolEngine::Outcome::CommunicationTimeout);
        return;
    }
    if (m_trace)
        m_trace->remark(QStringLiteral("%1 read-back %2 started").arg(tracedPortName()).arg(m_readBackAttempt));
    if (m_readBackAttempt == 1)
        QMetaObject::invokeMethod(this, [this] { emit verifyStarted(); }, Qt::QueuedConnection);
}

void Transfer::onReadBackOutcome(ProtocolEngine::Outcome outcome)
{
    if (outcome == ProtocolEngine::Outcome::ReadFinished) {
        m_readingBack = false;
        m_verify = compareWritten(m_sent, m_readBack, m_debugWritten);
        // The read's last End is still to be answered. A failure gives the commands back
        // at once, and a write started before that answer is in would take it for the
        // answer to its own handshake.
        QTimer::singleShot(m_timing.settleMs, this, [this] { deliver(m_verify.ok() ? Ending::WriteFinished : Ending::VerifyFailed); });
        return;
    }
    // Only a time-out ends a read; the End it sent needs its answer before another try.
    if (m_readBackAttempt < m_timing.readBackAttempts) {
        QTimer::singleShot(m_timing.readBackDelayMs, this, &Transfer::startReadBack);
        return;
    }
    m_readingBack = false;
    m_verify = VerifyResult{};
    m_verify.readBack = false;
    deliver(Ending::VerifyFailed);
}

void Transfer::deliver(Ending ending)
{
    if (m_trace)
        m_trace->remark(QStringLiteral("%1 ended: %2")
                            .arg(tracedPortName(), QLatin1String(QMetaEnum::fromType<Ending>().valueToKey(int(ending)))));
    QMetaObject::invokeMethod(
        this,
        [this, ending] {
            m_running = false;
            if (ending == Ending::ReadFinished) {
                m_received = m_model.memoryImage();
                keepBackup();
                DecodeImage(m_model);
            } else if (ending == Ending::ComparisonReadFinished) {
                m_received = m_compared;
                keepBackup();
            }
            emit finished(ending);
        },
        Qt::QueuedConnection);
}

void Transfer::keepBackup()
{
    if (m_backupFolder.isEmpty())
        return;
    const BackupResult kept = keepReadBackup(m_backupFolder, m_received, QDateTime::currentDateTime());
    if (kept.ok)
        emit backupKept(kept.path);
    else
        emit backupFailed(kept.error);
}

std::optional<MessageId> Transfer::messageFor(Ending ending)
{
    switch (ending) {
    case Ending::ReadFinished:
        return MessageId::ReadSucceeded;
    case Ending::WriteFinished:
        return MessageId::WriteSucceeded;
    case Ending::BandMismatchRefused:
        return MessageId::BandMismatchRefused;
    case Ending::CommunicationTimeout:
        return MessageId::CommunicationError;
    case Ending::PortInvalid:
        return MessageId::PortInvalid;
    case Ending::BandMismatchCancelled:
    case Ending::VerifyFailed: // verifyFailedMessage(lastVerify())
    case Ending::ComparisonReadFinished: // the front end shows the comparison instead
        break;
    }
    return std::nullopt;
}

bool Transfer::succeeded(Ending ending)
{
    return ending == Ending::ReadFinished || ending == Ending::WriteFinished || ending == Ending::ComparisonReadFinished;
}

} // namespace kt913
