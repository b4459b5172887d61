// SPDX-License-Identifier: GPL-3.0-or-later
// The channel editor's cell editors: opening one over the cell the user chose, and
// committing what was typed or chosen through the core's rules.
#include "editors/ChannelGrid.h"
#include "editors/ChannelEditor.h"
#include "editors/GridEditing.h"
#include "image/ChannelEditRules.h"
#include "image/ChannelGridModel.h"
#include "image/RadioModel.h"
#include "widgets/FilteredLineEdit.h"
#include "widgets/MessageBox.h"
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QAbstractItemView>
#include <QApplication>

namespace kt913 {

namespace {

// An open editor is announced as the cell it edits: named after its column, described
// with the row too ("A12, RX Fre").
void nameAfterCell(QWidget *editor, const ChannelGrid *grid, int row, int column)
{
    editor->setAccessibleName(grid->model()->headerData(column, Qt::Horizontal).toString());
    editor->setAccessibleDescription(grid->cellName(row, column));
}

} // namespace

void ChannelEditor::onCellPressed()
{
    EditArmed = true;
    openCellEditor();
}

void ChannelEditor::onEnterOnCell()
{
    EditArmed = true;
    openCellEditor();
}

void ChannelEditor::onCharacterTyped(const QKeyEvent *event)
{
    EditArmed = true;
    openCellEditor();
    // A list only opens; a text box starts with the character typed.
    if (auto *box = qobject_cast<FilteredLineEdit *>(openEditor()))
        typeInto(box, event);
}

int ChannelEditor::editedChannel() const
{
    return (m_model.band().BandGroup - 1) * map::kGroupSize + EditRow;
}

void ChannelEditor::applyEdit(const ChannelRow &after)
{
    const int n = editedChannel();
    const ChannelEdit edit{n, m_model.channels().row(n), after};
    if (!edit.changes())
        return;
    m_model.channels().apply(edit);
    emit channelEdited(edit);
}

void ChannelEditor::openCellEditor()
{
    if (!EditArmed)
        return;
    EditArmed = false;
    ChannelGrid *g = currentGrid();
    int r = g->currentRow();
    int c = g->currentColumn();
    if (r < 1)
        return;
    const int n = g->gridModel()->channelAt(r - 1);
    // An unused channel always starts with its receive frequency.
    if (m_model.channels().cell(n, col::Rx).isEmpty()) {
        c = col::Rx;
        g->setCurrentCell(r, c);
    }
    if (c == col::Label)
        return;
    // At most one cell editor at a time: a list left open (its drop-down closed
    // without a choice) goes before another opens.
    if (QWidget *open = openEditor())
        open->hide();
    EditRow = r;
    EditCol = c;
    // A cell partly out of view comes fully into it before its editor is laid over it:
    // the view would otherwise scroll it there itself, a moment later, under the editor.
    g->scrollTo(g->model()->index(r - 1, c));

    switch (c) {
    case col::Rx:
    case col::Tx:
    case col::Name: {
        FilteredLineEdit *box = c == col::Name ? Text2 : Text1;
        applyEdit(openTextCell(m_model.channels().row(n), c));
        placeTextEditor(box, r, c);
        break;
    }
    case col::RxTone:
    case col::TxTone: {
        // A tone the list does not hold shows as it stands, with no item chosen, so that
        // Enter cannot put an earlier edit's choice in its place.
        const QString tone = m_model.channels().cell(n, c);
        Combo1->setCurrentIndex(Combo1->findText(tone, Qt::MatchExactly));
        Combo1->setPlaceholderText(tone);
        placeList(Combo1, r, c);
        break;
    }
    default:
        Combo5[c]->setCurrentIndex(m_model.channels().optionIndexes()[optionSlot(c)][n - 1]);
        placeList(Combo5[c], r, c);
        break;
    }
}

void ChannelEditor::placeOverCell(QWidget *editor)
{
    const QRect cell = currentGrid()->cellRect(EditRow, EditCol, this);
    // A list keeps its own height, so that its text is never cut.
    const bool list = qobject_cast<QComboBox *>(editor);
    editor->setGeometry(cell.left(), cell.top(), cell.width(), list ? editor->sizeHint().height() : cell.height());
}

void ChannelEditor::followEditedCell()
{
    // Only the user's scrolling ends an edit; where the grid moves by itself, the open
    // editor stays over its cell.
    if (QWidget *editor = openEditor())
        placeOverCell(editor);
}

void ChannelEditor::placeTextEditor(FilteredLineEdit *box, int row, int column)
{
    const int n = editedChannel();
    placeOverCell(box);
    box->setProgramText(m_model.channels().cell(n, column));
    nameAfterCell(box, currentGrid(), row, column);
    box->show();
    box->raise();
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

void ChannelEditor::placeList(QComboBox *list, int row, int column)
{
    placeOverCell(list);
    nameAfterCell(list, currentGrid(), row, column);
    list->show();
    list->raise();
    list->setFocus(Qt::OtherFocusReason);
    // With no item chosen, the dropped-down items would choose their first one
    // themselves as they take the focus, and Enter would take it. Made through the view,
    // the empty choice counts as a choice.
    if (list->currentIndex() < 0)
        list->view()->setCurrentIndex(QModelIndex());
    list->showPopup();
}

void ChannelEditor::commitListChoice(QComboBox *list, int index)
{
    if (!list->isVisible() || index < 0)
        return;
    const int n = editedChannel();
    applyEdit(commitChoice(m_model.channels().row(n), EditCol, index, list->itemText(index)));
    list->hide();
    currentGrid()->setFocus(Qt::OtherFocusReason);
}

void ChannelEditor::commitTextBox()
{
    const int n = editedChannel();
    const FrequencyCommit result = commitFrequency(m_model.channels().row(n), EditCol, Text1->text(), m_model.band(),
                                                   m_model.bandSelection(), m_model.language());
    if (result.outcome == FrequencyOutcome::OutOfBand) {
        MsgBox(this, m_model.language(), MessageId::FrequencyOutOfBand);
        currentGrid()->setFocus(Qt::OtherFocusReason);
    } else {
        applyEdit(result.row);
    }
    Text1->hide();
}

void ChannelEditor::commitNameBox()
{
    applyEdit(commitName(m_model.channels().row(editedChannel()), Text2->text()));
    Text2->hide();
}

void ChannelEditor::commitPendingEdit()
{
    if (Text1->isVisible())
        commitTextBox();
    else if (Text2->isVisible())
        commitNameBox();
    if (QWidget *list = openEditor())
        list->hide(); // a list commits on a choice only
}

bool ChannelEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *editor = static_cast<QWidget *>(watched);
        auto *list = qobject_cast<QComboBox *>(watched);
        const int key = static_cast<QKeyEvent *>(event)->key();
        // Escape leaves the cell as it was: the editor goes without committing.
        if (key == Qt::Key_Escape && editor->isVisible()) {
            m_committing = true;
            currentGrid()->setFocus(Qt::OtherFocusReason);
            editor->hide();
            m_committing = false;
            return true;
        }
        // On a list whose drop-down was closed, the arrow keys only show another item
        // and Enter takes it, as a choice from the drop-down would.
        if (list && list->isVisible()) {
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                commitListChoice(list, list->currentIndex());
                return true;
            }
            if (key == Qt::Key_Up || key == Qt::Key_Down) {
                list->setCurrentIndex(qBound(0, list->currentIndex() + (key == Qt::Key_Up ? -1 : 1), list->count() - 1));
                return true;
            }
        }
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() != QEvent::FocusOut)
        return QWidget::eventFilter(watched, event);
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    // The box's own context menu or a list's popup, and the program losing the active
    // window, are no reason to end an edit: the user comes back to it.
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason || m_committing)
        return QWidget::eventFilter(watched, event);
    // Nor is a list handing the focus to its own dropped-down items.
    auto *list = qobject_cast<QComboBox *>(watched);
    const QWidget *now = QApplication::focusWidget();
    if (list && now && now->window() == list->view()->window())
        return QWidget::eventFilter(watched, event);
    m_committing = true;
    if (watched == Text1)
        commitTextBox();
    else if (watched == Text2)
        commitNameBox();
    else if (list)
        list->hide();
    m_committing = false;
    return QWidget::eventFilter(watched, event);
}

} // namespace kt913
