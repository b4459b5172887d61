// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel editor window: the 128 memory channels in the grids of groups A and B,
// edited cell by cell through a small editor laid over the cell.
#include "image/ChannelTables.h"
#include <QWidget>
#include <array>
#include <memory>

class QComboBox;
class QKeyEvent;
class QTabBar;

namespace kt913 {

class ChannelArrangeCommands;
class ChannelGrid;
class ChannelGridModel;
class ChannelRowCommands;
class ChannelUndo;
class FilteredLineEdit;
class RadioModel;
class GridWheelHook;

class ChannelEditor : public QWidget {
    Q_OBJECT
public:
    explicit ChannelEditor(RadioModel &model, QWidget *parent = nullptr);
    ~ChannelEditor() override;

    // Takes over an edit still open in a grid cell, as when the cell loses the focus;
    // the read and write commands and Save call it first.
    void commitPendingEdit();

    // The grid of group 1 (A) or 2 (B), and the one shown now.
    ChannelGrid *grid(int group) const { return group == 2 ? Grid2 : Grid1; }
    ChannelGrid *currentGrid() const;
    // The cell editor open now, or null.
    QWidget *openEditor() const;

    // The undo history of the channel list and the row commands on the grids.
    ChannelUndo &undo() const { return *m_undo; }
    ChannelRowCommands &rowCommands() const { return *m_rowCommands; }
    // Sort, compact, find and the rows dragged to another place.
    ChannelArrangeCommands &arrangeCommands() const { return *m_arrange; }
    // The tabs of groups A and B; choosing one shows its grid.
    QTabBar *groupTabs() const { return TabStrip1; }
    // Applies `edits` to the channel list as one step the user can undo (an import, a
    // paste); `text` names the step.
    void applyEdits(const QString &text, const QList<ChannelEdit> &edits);

signals:
    // Every change the user made to a channel, as it can be undone and replayed.
    void channelEdited(const kt913::ChannelEdit &edit);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Grid gestures and the cell editors (ChannelCellEditors.cpp).
    void onCellPressed();
    void onEnterOnCell();
    void onCharacterTyped(const QKeyEvent *event);
    void openCellEditor();
    void followEditedCell();
    void placeOverCell(QWidget *editor); // over the cell (EditRow, EditCol)
    void placeTextEditor(FilteredLineEdit *box, int row, int column);
    void placeList(QComboBox *list, int row, int column);
    void commitTextBox();
    void commitNameBox();
    void commitListChoice(QComboBox *list, int index);
    int editedChannel() const;
    void applyEdit(const ChannelRow &after);

    void showGroup(int index);
    void hookWheel(ChannelGrid *grid);
    void scrollOneRow(int rotation, int x, int y);

    RadioModel &m_model;
    std::unique_ptr<ChannelGridModel> m_modelA, m_modelB;
    QTabBar *TabStrip1 = nullptr;
    ChannelGrid *Grid1 = nullptr;
    ChannelGrid *Grid2 = nullptr;
    FilteredLineEdit *Text1 = nullptr; // frequency box, columns 1 and 2
    FilteredLineEdit *Text2 = nullptr; // name box, column 11
    QComboBox *Combo1 = nullptr;       // tone list, columns 3 and 4
    std::array<QComboBox *, 12> Combo5{}; // option lists Combo5(5)..Combo5(11), by column
    std::unique_ptr<GridWheelHook> obj;    // wheel hook of the grid shown
    ChannelUndo *m_undo = nullptr;
    ChannelRowCommands *m_rowCommands = nullptr;
    ChannelArrangeCommands *m_arrange = nullptr;

    int EditRow = 1;
    int EditCol = 1;
    bool EditArmed = false;
    bool m_committing = false;
};

} // namespace kt913
