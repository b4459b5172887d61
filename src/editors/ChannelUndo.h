// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel editor's undo history. Every change the user makes to the channel list
// (a cell commit, a paste, an import, a row inserted, deleted or moved, a band change
// that cleared the list) is one step on a QUndoStack, and undoing or redoing a step goes
// through the channel tables' own apply and revert, so the grids follow by the tables'
// announcements as they do for any other change.
//
// The history ends where the data is replaced as a whole (Open, New, a read): a step
// from before would put one radio's channels into another's.
#include "image/ChannelTables.h"
#include "image/RadioModel.h"
#include <QList>
#include <QObject>

class QUndoStack;

namespace kt913 {

class ChannelUndo : public QObject {
    Q_OBJECT
public:
    explicit ChannelUndo(RadioModel &model, QObject *parent = nullptr);
    ~ChannelUndo() override;

    QUndoStack &stack() const { return *m_stack; }

    // Applies `edits` (in order) as one step named `text`. Nothing is recorded when none
    // of them changes anything.
    void applyEdits(const QString &text, const QList<ChannelEdit> &edits);
    // Records edits that are already in the tables (a cell editor commits its own).
    void recordApplied(const QString &text, const QList<ChannelEdit> &edits);

    // The band list's change, as RadioModel::changeBandSelection makes it; when it
    // cleared the channel list, that is a step: undo gives back the channels and the
    // band selection as they were, without the question.
    void changeBandSelection(int index, const RadioModel::BandConfirm &confirm);

    // True while a step is being undone or redone: the model's own announcements then
    // come from the history, not from the user.
    bool replaying() const { return m_replaying; }

signals:
    // A step was undone or redone; `channel` is the first channel it changed, where the
    // editor shows the user what came back.
    void replayed(int channel);

private:
    friend class ChannelEditsCommand;
    friend class BandChangeCommand;

    RadioModel &m_model;
    QUndoStack *m_stack;
    bool m_replaying = false;
};

} // namespace kt913
