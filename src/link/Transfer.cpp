#include "link/Transfer.h"
#include "image/ReadBackups.h"
#include "image/ImageCodec.h"
#include "image/RadioModel.h"
#include "link/SerialComm.h"

namespace kt913 {

Transfer::Transfer(RadioModel &model, QObject *parent)
    : Transfer(model, std::make_unique<SerialComm>(), parent)
{
}

Transfer::Transfer(RadioModel &model, std::unique_ptr<MSComm> port, QObject *parent)
    : QObject(parent), m_model(model), m_port(std::move(port)), m_engine(model, *m_port)
{
    m_port->setParent(nullptr); // owned by the unique_ptr, not by a QObject parent
    m_timerW.setObjectName(QStringLiteral("TimerW"));
    m_timerW.setInterval(ProtocolEngine::kTickMs);
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
    // A cable pulled or an adapter replugged: the same port is tried again before the
    // next transfer, so that the user need not choose it anew.
    connect(m_port.get(), &MSComm::portFailed, this, [this](const QString &reason) {
        m_reopenWanted = true;
        emit portLost(reason);
    });
}

Transfer::~Transfer()
{
    m_timerW.stop();
}

PortOpenResult Transfer::openPort(const QString &port)
{
    m_reopenWanted = false;
    m_port->closePort();
    m_port->setCommPort(port);
    return m_port->openPort();
}

bool Transfer::reopenLostPort()
{
    if (m_port->PortOpen() || !m_reopenWanted || m_running)
        return m_port->PortOpen();
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

bool Transfer::start(Kind kind)
{
    if (m_running || m_engine.isRunning())
        return false;
    reopenLostPort();
    if (!m_port->PortOpen()) {
        QMetaObject::invokeMethod(this, [this] { emit finished(Ending::PortInvalid); }, Qt::QueuedConnection);
        return false;
    }
    m_kind = kind;
    m_running = true;
    m_lastProgress = 0;
    if (kind == Kind::Read) {
        m_engine.startRead();
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
    switch (outcome) {
    case ProtocolEngine::Outcome::ReadFinished:
        deliver(Ending::ReadFinished);
        break;
    case ProtocolEngine::Outcome::WriteFinished:
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

void Transfer::deliver(Ending ending)
{
    QMetaObject::invokeMethod(
        this,
        [this, ending] {
            m_running = false;
            if (ending == Ending::ReadFinished) {
                m_received = m_model.memoryImage;
                keepBackup();
                DecodeImage(m_model);
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
        break;
    }
    return std::nullopt;
}

bool Transfer::succeeded(Ending ending)
{
    return ending == Ending::ReadFinished || ending == Ending::WriteFinished;
}

} // namespace kt913
