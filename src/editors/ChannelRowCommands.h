// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel editor's commands beyond the single cell: undo and redo, copy and paste of
// whole rows, and inserting, deleting and moving rows within a group. They sit on the
// grids as actions with keys (the row keys act only while a grid has the focus, so that
// they never reach an open cell editor) and in the grids' context menu, and every change
// is one step of the undo history.
#include "widgets/CaptionTable.h"
#include <QObject>
#include <memory>
#include <vector>

class QAction;
class QMenu;

namespace kt913 {

class ChannelClipboard;
class ChannelGrid;
class ChannelUndo;
class ChannelEditor;
class RadioModel;

class ChannelRowCommands : public QObject {
    Q_OBJECT
public:
    ChannelRowCommands(ChannelEditor &form, RadioModel &model, ChannelUndo &undo);
    ~ChannelRowCommands() override;

    // Actions by name: "MNUndo", "MNRedo", "MNCopyRows", "MNPasteRows", "MNInsertRow",
    // "MNDeleteRow", "MNMoveRowUp", "MNMoveRowDown".
    QAction *action(const char *name) const;
    QMenu *contextMenu() const { return m_menu; }
    ChannelClipboard &clipboard() const { return *m_clipboard; }

    // The row operations on the current row of the group shown.
    void insertRow();
    void deleteRow();
    void moveRow(int step);

    // The channel of the current cell of the group shown, 0 when there is none.
    int currentChannel() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *addAction(const char *name, const QKeySequence &key);
    void showMenu(ChannelGrid *grid, const QPoint &globalPos);
    void showMenuAtCurrentCell();
    void applyRowEdits(const char *what, int channel, int step);

    ChannelEditor &m_form;
    RadioModel &m_model;
    ChannelUndo &m_undo;
    QMenu *m_menu;
    std::unique_ptr<ChannelClipboard> m_clipboard;
    std::vector<QAction *> m_actions;
};

// The captions of the commands above, for the channel editor's caption table.
void appendRowCommandCaptions(std::vector<CaptionRow> &rows);

} // namespace kt913
