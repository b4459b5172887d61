// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel editor's commands that put the list in order or look through it: sort,
// compact (close the gaps), move rows to the other group, rows dragged by their labels,
// the find bar (Ctrl+F, F3, Shift+F3) and Find Duplicates. Every change is one step of
// the undo history and is said on the editor's status line, which a screen reader reads.
#include "image/ChannelArrange.h"
#include "widgets/CaptionTable.h"
#include <QKeySequence>
#include <QObject>
#include <vector>

class QAction;
class QLabel;
class QPoint;

namespace kt913 {

class ChannelEditor;
class ChannelFindBar;
class ChannelUndo;
class RadioModel;

class ChannelArrangeCommands : public QObject {
    Q_OBJECT
public:
    ChannelArrangeCommands(ChannelEditor &form, RadioModel &model, ChannelUndo &undo);

    // Actions by name: "MNSortRows", "MNCompactRows", "MNMoveToOtherGroup", "MNFind",
    // "MNFindNext", "MNFindPrevious", "MNFindDuplicates".
    QAction *action(const char *name) const;
    ChannelFindBar *findBar() const { return m_findBar; }
    QLabel *statusLine() const { return m_note; }

    // The selected rows of the group shown, or the whole group when one row or none is
    // selected.
    void sortRows(SortKey key, bool descending);
    void openSortDialog();
    void compactGroup();
    // The selected rows (or the current one) after the other group's last channel in use.
    void moveToOtherGroup();
    void openFind();
    void find(bool backward);
    void findDuplicates();

signals:
    // A command starts: the editor is to be shown (it may be called from the main menu).
    void aboutToAct();

private:
    QAction *addAction(const char *name, const QKeySequence &key = {});
    void dropRows(int group, int first, int last, int before);
    void dropRowsOutside(int group, int first, int last, const QPoint &globalPos);
    void moveRangeToOtherGroup(int first, int last);
    // Selects channels first..last in their grid and shows that group.
    void selectChannels(int first, int last);
    bool apply(const char *what, const QList<ChannelEdit> &edits);
    void say(const QString &text);

    ChannelEditor &m_form;
    RadioModel &m_model;
    ChannelUndo &m_undo;
    ChannelFindBar *m_findBar;
    QLabel *m_note;
    std::vector<QAction *> m_actions;
    SortKey m_lastKey = SortKey::RxFrequency;
    bool m_lastDescending = false;
};

// The captions of the commands and the find bar, for the channel editor's caption table.
void appendArrangeCaptions(std::vector<CaptionRow> &rows);

} // namespace kt913
