// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/RadioSession.h"

namespace kt913::radio {

namespace {

const QByteArray kHandshake = QByteArrayLiteral("PROGRAM");
constexpr char kIdentify = 0x02;
constexpr char kAcknowledge = 0x06;
constexpr char kEnd = 'E';
constexpr char kRead = 'R';
constexpr char kWrite = 'W';
constexpr int kHeaderLength = 4; // lead, address high, address low, length
constexpr int kUsualLength = 0x10;

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper());
}

std::uint16_t frameAddress(const QByteArray &frame)
{
    return std::uint16_t((std::uint8_t(frame[1]) << 8) | std::uint8_t(frame[2]));
}

int frameLength(const QByteArray &frame)
{
    return std::uint8_t(frame[3]);
}

QString frameText(const QByteArray &frame)
{
    switch (frame[0]) {
    case kIdentify: return QStringLiteral("02");
    case kAcknowledge: return QStringLiteral("06");
    case kEnd: return QStringLiteral("E");
    case kRead:
    case kWrite: {
        QString text = QChar(frame[0]) + QLatin1Char(' ') + hex(frame.mid(1, 2));
        if (frameLength(frame) != kUsualLength)
            text += QLatin1Char(' ') + hex(frame.mid(3, 1));
        if (frame[0] == kWrite && frame.size() > kHeaderLength)
            text += QLatin1Char(' ') + hex(frame.mid(kHeaderLength));
        return text;
    }
    default: return QString::fromLatin1(frame);
    }
}

} // namespace

QByteArray Identity::bytes() const
{
    QByteArray id = model;
    id.append(char(band));
    id.append(char(extra));
    if (length >= 0) {
        if (length < id.size())
            id.truncate(length);
        while (id.size() < length)
            id.append(char(extra));
    }
    return id;
}

RadioSession::RadioSession(RadioMemory &memory, Identity identity, Behaviour behaviour)
    : m_memory(memory), m_identity(std::move(identity)), m_behaviour(behaviour)
{
}

bool RadioSession::deaf() const
{
    return m_behaviour.silent
        || (m_behaviour.quietAfterFrames >= 0 && m_frames > m_behaviour.quietAfterFrames);
}

QByteArray RadioSession::receive(const QByteArray &bytes)
{
    QByteArray reply;
    for (char byte : bytes)
        reply += receive(std::uint8_t(byte));
    return reply;
}

QByteArray RadioSession::receive(std::uint8_t byte)
{
    QByteArray reply;
    if (m_frame.isEmpty())
        startFrame(byte, reply);
    else
        continueFrame(byte, reply);
    return reply;
}

// Out of programming mode the radio listens for the handshake only (and acknowledges a
// stray End); in it, the lead byte of each frame says how long the frame is.
void RadioSession::startFrame(std::uint8_t lead, QByteArray &reply)
{
    m_frame = QByteArray(1, char(lead));
    m_frameLength = 0;
    const bool programming = m_state != State::AwaitProgram;
    switch (char(lead)) {
    case 'P':
        m_frameLength = kHandshake.size();
        return;
    case kEnd:
        finishFrame(reply);
        return;
    case kIdentify:
    case kAcknowledge:
        if (programming) {
            finishFrame(reply);
            return;
        }
        break;
    case kRead:
    case kWrite:
        if (programming)
            return; // the length byte tells the rest
        break;
    default:
        break;
    }
    discard(m_frame);
    m_frame.clear();
}

void RadioSession::continueFrame(std::uint8_t byte, QByteArray &reply)
{
    if (m_frame[0] == 'P') {
        if (char(byte) != kHandshake[m_frame.size()]) {
            // Not the handshake after all: drop what looked like its start and let this
            // byte begin afresh (it may be the P of the real one).
            discard(m_frame);
            m_frame.clear();
            startFrame(byte, reply);
            return;
        }
        m_frame.append(char(byte));
        if (m_frame.size() == m_frameLength)
            finishFrame(reply);
        return;
    }
    m_frame.append(char(byte));
    if (m_frame.size() == kHeaderLength)
        m_frameLength = kHeaderLength + (m_frame[0] == kWrite ? frameLength(m_frame) : 0);
    if (m_frameLength > 0 && m_frame.size() == m_frameLength)
        finishFrame(reply);
}

void RadioSession::abandonFrame()
{
    if (m_frame.isEmpty())
        return;
    discard(m_frame);
    m_frame.clear();
    m_frameLength = 0;
}

void RadioSession::finishFrame(QByteArray &reply)
{
    const QByteArray frame = m_frame;
    m_frame.clear();
    m_frameLength = 0;
    ++m_frames;
    if (deaf()) {
        log(frameText(frame));
        return;
    }
    switch (frame[0]) {
    case 'P':
        log(frameText(frame));
        m_state = State::AwaitIdentify;
        m_writesThisSession = 0;
        reply.append(kAcknowledge);
        break;
    case kIdentify:
        log(frameText(frame));
        reply.append(m_identity.bytes());
        m_state = State::AwaitAcknowledge;
        break;
    case kAcknowledge:
        log(frameText(frame));
        if (m_state == State::AwaitAcknowledge || m_state == State::Programming) {
            reply.append(kAcknowledge);
            m_state = State::Programming;
        }
        break;
    case kRead:
        log(frameText(frame));
        if (m_state == State::Programming)
            serveRead(frame, reply);
        break;
    case kWrite:
        log(frameText(frame));
        if (m_state == State::Programming)
            storeWrite(frame, reply);
        break;
    case kEnd:
        end(reply);
        break;
    }
}

void RadioSession::serveRead(const QByteArray &frame, QByteArray &reply)
{
    reply.append(kWrite);
    reply.append(frame.mid(1, 3));
    reply.append(m_memory.readBlock(frameAddress(frame), frameLength(frame)));
}

void RadioSession::storeWrite(const QByteArray &frame, QByteArray &reply)
{
    const QByteArray data = frame.mid(kHeaderLength);
    m_memory.writeBlock(frameAddress(frame), data);
    const int wrong = m_behaviour.keepWrongAddress - frameAddress(frame);
    if (wrong >= 0 && wrong < data.size() && m_behaviour.keepWrongAddress < kImageSize)
        m_memory.image()[std::size_t(m_behaviour.keepWrongAddress)] = std::uint8_t(~std::uint8_t(data[wrong]));
    ++m_writesThisSession;
    reply.append(kAcknowledge);
}

void RadioSession::end(QByteArray &reply)
{
    if (m_state == State::Programming && m_writesThisSession > 0 && writeCompleted)
        writeCompleted();
    log(frameText(QByteArray(1, kEnd)));
    m_state = State::AwaitProgram;
    m_writesThisSession = 0;
    reply.append(kAcknowledge);
}

void RadioSession::discard(const QByteArray &junk)
{
    log(QStringLiteral("? ") + hex(junk));
}

void RadioSession::log(const QString &line)
{
    if (frameLogged)
        frameLogged(line);
}

} // namespace kt913::radio
