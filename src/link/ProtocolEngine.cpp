// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ProtocolEngine.h"
#include "image/MemoryMap.h"
#include "image/RadioModel.h"

namespace kt913 {

using namespace frames;

namespace {
const QByteArray kIdentifyFrame(1, kIdentify);
const QByteArray kAckFrame(1, kAcknowledge);
const QByteArray kEndFrame(1, kEnd);
constexpr int kDataFrameThreshold = kDataFrameSize;
constexpr int kLastReadRequestStep = 194; // requests 0xC00, the block past the image
constexpr int kLastBlockStep = 195;
constexpr int kDebugStepB = 127, kDebugStepA = 128;
} // namespace

ProtocolEngine::ProtocolEngine(RadioModel &model, SerialLine &port, QObject *parent)
    : QObject(parent), m_model(model), m_port(port), m_readTarget(&model.memoryImageToFill())
{
    connect(&m_port, &SerialLine::receiveEvent, this, &ProtocolEngine::onReceiveEvent);
}

bool ProtocolEngine::startRead()
{
    return startReadInto(m_model.memoryImageToFill());
}

bool ProtocolEngine::startReadInto(Image &target)
{
    if (isRunning() || m_state.BandQuestionPending)
        return false;
    m_readTarget = &target;
    return start(m_state.ReadStep, m_state.ReadActive);
}

bool ProtocolEngine::startWrite()
{
    return start(m_state.WriteStep, m_state.WriteActive);
}

bool ProtocolEngine::start(qint16 &step, bool &active)
{
    if (isRunning() || m_state.BandQuestionPending)
        return false;
    step = 1;
    active = true;
    setTimerW(true);
    m_state.TimeoutTicks = 0;
    m_state.SendBuffer = handshake();
    emit frameSent(m_state.SendBuffer);
    m_port.send(m_state.SendBuffer);
    return true;
}

void ProtocolEngine::onReceiveEvent(int commEvent)
{
    if (commEvent != SerialLine::kBytesWaiting)
        return;
    const QByteArray input = m_port.takeReceived();
    if (!input.isEmpty())
        emit bytesReceived(input);
    appendHex(m_state.RxHex, input);
    // While the user is asked about the band the radio waits; whatever arrives only
    // grows the reception text and must not ask again.
    if (m_state.WriteActive && !m_state.BandQuestionPending) {
        emit progress(m_state.WriteStep);
        writeStepTable();
    }
    if (m_state.ReadActive) {
        emit progress(m_state.ReadStep);
        readStepTable();
    }
}

void ProtocolEngine::readStepTable()
{
    TransferState &s = m_state;
    const int step = s.ReadStep;
    if (step == 1) {
        if (containsAcknowledge(s.RxHex)) {
            send(kIdentifyFrame);
            s.ReadStep = 2;
        }
    } else if (step == 2) {
        if (isIdentification(s.RxHex)) {
            send(kAckFrame);
        } else if (isAcknowledge(s.RxHex)) {
            sendFrame(readRequest(0));
            m_port.setReceiveThreshold(kDataFrameThreshold);
            s.ReadStep = 3;
        }
    } else if (step <= kLastBlockStep) {
        if (isDataFrame(s.RxHex)) {
            const int base = (step - 3) * kBlockSize;
            for (int i = 0; i < kBlockSize; ++i) {
                const int address = base + i;
                if (address < kImageSize)
                    (*m_readTarget)[std::size_t(address)] = dataByte(s.RxHex, i);
            }
            send(kAckFrame);
            m_port.setReceiveThreshold(1);
        } else if (isAcknowledge(s.RxHex)) {
            if (step <= kLastReadRequestStep) {
                sendFrame(readRequest((step - 2) * kBlockSize));
                m_port.setReceiveThreshold(kDataFrameThreshold);
                s.ReadStep = qint16(step + 1);
            } else {
                send(kEndFrame);
                s.ReadStep = kSteps;
            }
        }
    } else if (isAcknowledge(s.RxHex)) {
        send(kEndFrame);
        finish(Outcome::ReadFinished);
    }
}

void ProtocolEngine::writeStepTable()
{
    TransferState &s = m_state;
    const int step = s.WriteStep;
    if (step == 2) {
        if (!isIdentification(s.RxHex))
            return; // another model or a garbled reply: left to the time-out
        if (bandCode(s.RxHex) == m_model.bandSelection()) {
            send(kAckFrame);
            s.WriteStep = 3;
        } else if (m_model.forceWriteUnlocked()) {
            setTimerW(false);
            s.BandQuestionPending = true;
            emit outcome(Outcome::BandMismatchToConfirm);
        } else {
            send(kEndFrame);
            finish(Outcome::BandMismatchRefused);
        }
        return;
    }
    if (!containsAcknowledge(s.RxHex))
        return;
    if (step == 1) {
        send(kIdentifyFrame);
        s.WriteStep = 2;
    } else if (step < kDebugStepB) {
        sendFrame(writeFrame(m_model.outputImage(), (step - 3) * kBlockSize));
        s.WriteStep = qint16(step + 1);
    } else if (step == kDebugStepB || step == kDebugStepA) {
        if (m_model.debugUnlocked())
            sendFrame(writeFrame(m_model.outputImage(), step == kDebugStepB ? map::kDebugBlockB : map::kDebugBlockA));
        else
            send(kAckFrame);
        s.WriteStep = qint16(step + 1);
    } else if (step <= kLastBlockStep) {
        sendFrame(writeFrame(m_model.outputImage(), (step - 1) * kBlockSize));
        s.WriteStep = qint16(step + 1);
    } else {
        send(kEndFrame);
        finish(Outcome::WriteFinished);
    }
}

void ProtocolEngine::answerBandQuestion(bool writeAnyway)
{
    if (!m_state.BandQuestionPending)
        return;
    m_state.BandQuestionPending = false;
    if (!m_state.WriteActive)
        return;
    if (writeAnyway) {
        setTimerW(true);
        send(kAckFrame);
        m_state.WriteStep = 3;
    } else {
        send(kEndFrame);
        m_state.WriteActive = false;
        setTimerW(false);
        m_state.SendBuffer.clear();
    }
}

void ProtocolEngine::tick()
{
    if (!m_state.TimerWEnabled)
        return;
    if (m_state.TimeoutTicks < m_timeoutTicks) {
        ++m_state.TimeoutTicks;
        return;
    }
    m_port.setReceiveThreshold(1);
    m_state.SendBuffer = kEndFrame;
    m_state.TimeoutTicks = 0;
    emit frameSent(m_state.SendBuffer);
    m_port.send(m_state.SendBuffer);
    finish(Outcome::CommunicationTimeout);
}

void ProtocolEngine::send(const QByteArray &frame)
{
    m_state.SendBuffer = frame;
    m_state.TimeoutTicks = 0;
    m_state.RxHex.clear();
    emit frameSent(frame);
    m_port.send(frame);
}

void ProtocolEngine::sendFrame(const QByteArray &frame)
{
    m_state.SendBuffer = frame;
    m_state.TimeoutTicks = 0;
    m_state.RxHex.clear();
    emit frameSent(frame);
    for (const char byte : frame)
        m_port.send(QByteArray(1, byte));
}

void ProtocolEngine::setTimerW(bool enabled)
{
    m_state.TimerWEnabled = enabled;
    emit timerWChanged(enabled);
}

void ProtocolEngine::finish(Outcome how)
{
    // Every ending stops TimerW at once. (Leaving it running while the band refusal is
    // on screen would let the time-out fire behind the message and report a
    // communication error for a write that was already refused.)
    m_state.ReadActive = false;
    m_state.WriteActive = false;
    m_state.BandQuestionPending = false;
    setTimerW(false);
    m_state.SendBuffer.clear();
    emit outcome(how);
}

} // namespace kt913
