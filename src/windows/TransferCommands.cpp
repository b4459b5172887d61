// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/TransferCommands.h"
#include "image/OutOfBand.h"
#include "image/RadioModel.h"
#include "windows/ProgressWindow.h"
#include "windows/ProgressWindowCaptions.h"
#include "widgets/MessageBox.h"
#include <QAction>
#include <QLabel>
#include <QWidget>

namespace kt913 {

TransferCommands::TransferCommands(Transfer &transfer, QWidget *owner, QObject *parent)
    : QObject(parent), m_transfer(transfer), m_owner(owner)
{
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(100);
    connect(&m_timer1, &QTimer::timeout, this, &TransferCommands::onTimer1);
    connect(&m_transfer, &Transfer::progressChanged, this, [this](int step) {
        if (m_progress)
            m_progress->setStep(step);
    });
    connect(&m_transfer, &Transfer::verifyStarted, this, [this] {
        if (m_progress)
            m_progress->Label1->setText(verifyingText(language()));
    });
    connect(&m_transfer, &Transfer::bandQuestion, this, &TransferCommands::onBandQuestion);
    connect(&m_transfer, &Transfer::finished, this, &TransferCommands::onFinished);
}

Language TransferCommands::language() const
{
    return m_transfer.model().language();
}

void TransferCommands::startRead()
{
    start(Transfer::Kind::Read);
}

void TransferCommands::startWrite()
{
    start(Transfer::Kind::Write);
}

void TransferCommands::start(Transfer::Kind kind)
{
    if (m_transfer.isRunning() || m_progress)
        return;
    if (!m_transfer.reopenLostPort()) {
        MsgBox(m_owner, language(), MessageId::PortInvalid);
        return;
    }
    if (m_commitPendingEdit)
        m_commitPendingEdit();
    const bool reading = kind == Transfer::Kind::Read;
    if (!reading && !outsideBandWriteAccepted())
        return;
    if (!(reading ? m_transfer.startRead() : m_transfer.startWrite()))
        return;

    auto *window = new ProgressWindow(m_owner);
    applyCaptionTable(window, progressWindowCaptions(), language());
    window->Label1->setText(message(reading ? MessageId::ReadingLabel : MessageId::WritingLabel, language()).text);
    window->setWindowTitle(message(reading ? MessageId::ReadingCaption : MessageId::WritingCaption, language()).text);
    m_progress = window;
    setCommandsEnabled(false);
    // Modal to the whole program but without a nested event loop: the command returns at
    // once and the transfer's endings close the window.
    window->show();
}

bool TransferCommands::outsideBandWriteAccepted()
{
    const RadioModel &model = m_transfer.model();
    const QList<int> outside = channelsOutsideBand(model.channels, model.band());
    return outside.isEmpty() ||
           MsgBox(m_owner, language(), MessageId::ChannelsOutsideBand, QString::number(outside.size())) == mbResult::Ok;
}

void TransferCommands::onBandQuestion()
{
    const int answer = MsgBox(m_progress ? static_cast<QWidget *>(m_progress) : m_owner, language(),
                              MessageId::BandMismatchConfirm);
    m_transfer.answerBandQuestion(answer == mbResult::Ok);
}

void TransferCommands::onFinished(Transfer::Ending ending)
{
    using E = Transfer::Ending;
    switch (ending) {
    case E::ReadFinished:
    case E::WriteFinished:
        // The model was decoded before this arrived, so the editors already show the
        // radio's contents when the message appears.
        closeProgressWindow();
        MsgBox(m_owner, language(), ending == E::ReadFinished ? MessageId::ReadSucceeded : MessageId::WriteSucceeded);
        ReenableTicks = 0;
        m_timer1.start();
        break;
    case E::BandMismatchRefused:
        // Told while the progress window is still up; it closes once the message does.
        MsgBox(m_progress ? static_cast<QWidget *>(m_progress) : m_owner, language(), MessageId::BandMismatchRefused);
        setCommandsEnabled(true);
        closeProgressWindow();
        break;
    case E::BandMismatchCancelled:
        setCommandsEnabled(true);
        closeProgressWindow();
        break;
    case E::CommunicationTimeout:
        closeProgressWindow();
        MsgBox(m_owner, language(), MessageId::CommunicationError);
        setCommandsEnabled(true);
        break;
    case E::VerifyFailed:
        closeProgressWindow();
        MsgBox(m_owner, language(), verifyFailedMessage(m_transfer.lastVerify(), language()));
        setCommandsEnabled(true);
        break;
    case E::PortInvalid:
        closeProgressWindow();
        MsgBox(m_owner, language(), MessageId::PortInvalid);
        setCommandsEnabled(true);
        break;
    }
    emit transferEnded(ending);
}

void TransferCommands::onTimer1()
{
    ++ReenableTicks;
    if (ReenableTicks > 11) {
        ReenableTicks = 0;
        setCommandsEnabled(true);
        m_timer1.stop();
    }
}

void TransferCommands::setCommandsEnabled(bool enabled)
{
    for (QAction *a : std::as_const(m_commands))
        a->setEnabled(enabled);
}

void TransferCommands::closeProgressWindow()
{
    if (m_progress)
        m_progress->unload();
    m_progress = nullptr;
}

} // namespace kt913
