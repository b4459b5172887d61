// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/TransferCommands.h"
#include "image/OutOfBand.h"
#include "image/RadioModel.h"
#include "link/RadioComparison.h"
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
    if (m_previewWrites)
        start(Transfer::Kind::Compare, true);
    else
        start(Transfer::Kind::Write);
}

void TransferCommands::startComparison()
{
    start(Transfer::Kind::Compare);
}

void TransferCommands::start(Transfer::Kind kind, bool writeFollows)
{
    if (m_transfer.isRunning() || m_progress || m_comparison)
        return;
    if (!m_transfer.reopenLostPort()) {
        MsgBox(m_owner, language(), MessageId::PortInvalid);
        return;
    }
    if (m_commitPendingEdit)
        m_commitPendingEdit();
    // A comparison reads the radio the usual way: its window and texts are a read's.
    const bool reading = kind != Transfer::Kind::Write;
    // A previewed write asks before anything goes out, as the write itself would.
    if ((!reading || writeFollows) && !outsideBandWriteAccepted())
        return;
    const bool started = kind == Transfer::Kind::Read    ? m_transfer.startRead()
                         : kind == Transfer::Kind::Write ? m_transfer.startWrite()
                                                         : m_transfer.startComparisonRead();
    if (!started)
        return;
    m_previewing = writeFollows;

    openProgressWindow(reading);
    setCommandsEnabled(false);
}

void TransferCommands::openProgressWindow(bool reading)
{
    auto *window = new ProgressWindow(m_owner);
    applyCaptionTable(window, progressWindowCaptions(), language());
    window->Label1->setText(message(reading ? MessageId::ReadingLabel : MessageId::WritingLabel, language()).text);
    window->setWindowTitle(message(reading ? MessageId::ReadingCaption : MessageId::WritingCaption, language()).text);
    m_progress = window;
    // Modal to the whole program but without a nested event loop: the command returns at
    // once and the transfer's endings close the window.
    window->show();
}

bool TransferCommands::outsideBandWriteAccepted()
{
    const RadioModel &model = m_transfer.model();
    const QList<int> outside = channelsOutsideBand(model.channels(), model.band());
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
    case E::ComparisonReadFinished:
        closeProgressWindow();
        showComparison();
        return; // ends when the comparison window closes
    case E::PortInvalid:
        closeProgressWindow();
        MsgBox(m_owner, language(), MessageId::PortInvalid);
        setCommandsEnabled(true);
        break;
    }
    emit transferEnded(ending);
}

void TransferCommands::showComparison()
{
    const ComparisonScope scope = m_previewing ? ComparisonScope::WhatTheWriteSends : ComparisonScope::EditorContents;
    auto *window = new ComparisonWindow(m_previewing ? ComparisonWindow::Purpose::WritePreview : ComparisonWindow::Purpose::Comparison,
                                        m_owner);
    window->showDifferences(compareWithRadio(m_transfer.receivedImage(), m_transfer.model(), scope), language());
    m_comparison = window;
    connect(window, &QDialog::finished, this, &TransferCommands::onComparisonClosed);
    // Modal without a nested event loop, as the progress window: the answer arrives by
    // finished().
    window->show();
}

void TransferCommands::onComparisonClosed(int result)
{
    m_comparison = nullptr;
    const bool write = m_previewing && result == QDialog::Accepted;
    m_previewing = false;
    if (!write) {
        setCommandsEnabled(true);
        emit transferEnded(Transfer::Ending::ComparisonReadFinished);
        return;
    }
    // The question about channels outside the band was answered before the read, and
    // the editors could not change while the preview was up: the write sends what the
    // preview showed. A port lost meanwhile ends it with its own message.
    if (m_transfer.startWrite())
        openProgressWindow(false);
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
