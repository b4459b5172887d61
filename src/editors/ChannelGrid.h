// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One channel grid (Grid1 for group A, Grid2 for group B): a table view over the core's
// grid model, laid out as the channel editor has always shown it. It reports the
// gestures that open a cell editor (a left press, Enter, a character typed) and the
// dragging of rows by their labels, and leaves the rest to the view.
#include "image/Language.h"
#include <QKeyEvent>
#include <QTableView>

namespace kt913 {

class ChannelGridModel;

class ChannelGrid : public QTableView {
    Q_OBJECT
public:
    ChannelGrid(ChannelGridModel *model, const QString &name, QWidget *parent = nullptr);

    ChannelGridModel *gridModel() const { return m_model; }
    // First visible channel row, 1..64.
    int topRow() const;
    void setTopRow(int row);
    // Grid row (1..64) and column (0..11) of the current cell; row 0 when there is none.
    int currentRow() const;
    int currentColumn() const;
    void setCurrentCell(int row, int column);
    // A cell's rectangle in the coordinates of `widget`.
    QRect cellRect(int row, int column, const QWidget *widget) const;
    // A cell as a screen reader names it: "A12, RX Fre".
    QString cellName(int row, int column) const;
    // Never moves to a row whose text starts with what was typed: on this grid the
    // characters go into the cells (an input method's text arrives here too).
    void keyboardSearch(const QString &) override {}
    // True while rows are being dragged by their labels.
    bool draggingRows() const { return m_drag.active; }
    // Widens a column of choices (power, busy lock, ...) where a choice in `lang` is
    // longer than the column the design gives it, so that no choice is shown cut short.
    void fitChoiceColumns(Language lang);

signals:
    void leftPressed(); // after the press has moved the current cell
    void enterPressed(); // Enter, or F2 as in other grids
    void characterTyped(const QKeyEvent *event); // to go on into the cell's editor
    // Rows first..last (grid rows) were dropped to stand before grid row `before` (1..65).
    void rowsDropped(int first, int last, int before);
    // Rows first..last were dropped outside the grid, at `globalPos`.
    void rowsDroppedOutside(int first, int last, const QPoint &globalPos);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // A press on a row label may start a drag of that row, or of the rows selected with it.
    struct RowDrag {
        bool pressed = false, active = false, cancelled = false;
        QPoint start;
        int first = 0, last = 0; // grid rows dragged
        int before = 0;          // grid row the rows would stand before, 0 outside the grid
    };
    bool startRowPress(const QPoint &pos);
    int dropRowAt(const QPoint &pos) const;
    void endRowDrag();

    ChannelGridModel *m_model;
    RowDrag m_drag;
};

} // namespace kt913
