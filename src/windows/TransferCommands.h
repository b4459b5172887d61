// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The read and write commands as the user meets them: the checks before a transfer, the
// progress window, the closing messages and the hand-back of the commands. The transfer
// itself (port, protocol, decoding) is the headless Transfer's; everything it reports
// arrives by queued signals, so the messages here never open inside a receive event.
#include "link/Transfer.h"
#include "windows/ComparisonWindow.h"
#include "windows/ProgressWindow.h"
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class QAction;
class QWidget;

namespace kt913 {

class TransferCommands : public QObject {
    Q_OBJECT
public:
    // `owner` parents the progress window and the messages.
    TransferCommands(Transfer &transfer, QWidget *owner, QObject *parent = nullptr);

    // The commands a running transfer takes away: MNRead, MNWrite, TRead, TWrite.
    void setCommands(const QList<QAction *> &commands) { m_commands = commands; }
    // Runs before a transfer starts, so an edit still open in the channel editor is
    // taken over into what is written.
    void setPendingEditCommit(std::function<void()> commit) { m_commitPendingEdit = std::move(commit); }

    // With the preview on, a write first reads the radio and shows what the write would
    // change; it goes ahead only when the user answers Write. Off: the write as always.
    void setPreviewWrites(bool on) { m_previewWrites = on; }
    bool previewWrites() const { return m_previewWrites; }

    // Gives the commands back 1.2 s (twelve 100 ms ticks) after a success message.
    QTimer &timer1() { return m_timer1; }
    // The progress window while a transfer runs, else null.
    ProgressWindow *progressWindow() const { return m_progress; }
    // The comparison (or the preview of a write) while it is shown, else null.
    ComparisonWindow *comparisonWindow() const { return m_comparison; }
    Transfer &transfer() { return m_transfer; }

public slots:
    void startRead();  // MNRead, TRead
    void startWrite(); // MNWrite, TWrite
    // Reads the radio and shows what differs from the editors, changing nothing (MNCompare).
    void startComparison();

signals:
    // A transfer ended and its message (if any) was closed. A comparison ends when its
    // window closes; a previewed write that goes ahead ends with the write.
    void transferEnded(kt913::Transfer::Ending ending);

private:
    // `writeFollows`: a comparison read that previews a write.
    void start(Transfer::Kind kind, bool writeFollows = false);
    void openProgressWindow(bool reading);
    void showComparison();
    void onComparisonClosed(int result);
    // Channels the selected band does not accept are sent only when the user says so.
    bool outsideBandWriteAccepted();
    void onFinished(Transfer::Ending ending);
    void onBandQuestion();
    void onTimer1();
    void setCommandsEnabled(bool enabled);
    void closeProgressWindow();
    Language language() const;

    Transfer &m_transfer;
    QWidget *m_owner;
    QList<QAction *> m_commands;
    std::function<void()> m_commitPendingEdit;
    QPointer<ProgressWindow> m_progress;
    QPointer<ComparisonWindow> m_comparison;
    bool m_previewWrites = false;
    bool m_previewing = false; // the comparison read running or shown is a write's preview
    QTimer m_timer1;
    qint16 ReenableTicks = 0;
};

} // namespace kt913
