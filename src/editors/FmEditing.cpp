// SPDX-License-Identifier: GPL-3.0-or-later
// The FM window's editing: the box laid over a grid cell, the FM VFO box's leave rule
// and the message line that tells of a frequency out of range.
#include "editors/FmEditor.h"
#include "editors/GridEditing.h"
#include "image/FieldRules.h"
#include "image/FmGridModel.h"
#include "image/FormDescriptions.h"
#include "image/RadioModel.h"
#include "widgets/FilteredLineEdit.h"
#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QTableView>
#include <QTimer>

namespace kt913 {

void FmEditor::openCellEditor(int row)
{
    if (row < 0 || row >= map::kFmChannelCount)
        return;
    if (Text1->isVisible())
        commitTextBox();
    EditRow = row;
    const QModelIndex cell = m_gridModel->index(row, FmGridModel::kFrequencyColumn);
    MSFGrid->setCurrentIndex(cell);
    MSFGrid->scrollTo(cell);
    const QRect r = MSFGrid->visualRect(cell);
    Text1->setGeometry(QRect(MSFGrid->viewport()->mapTo(this, r.topLeft()), r.size()));
    Text1->setProgramText(m_model.fmGrid()[row]);
    // Announced as the cell it edits: "Channel 3, Frequency(MHz)".
    const QString header = m_gridModel->headerData(FmGridModel::kFrequencyColumn, Qt::Horizontal).toString();
    Text1->setAccessibleName(header);
    Text1->setAccessibleDescription(m_gridModel->headerData(FmGridModel::kNumberColumn, Qt::Horizontal).toString() +
                                    QLatin1Char(' ') + m_gridModel->headerData(row, Qt::Vertical).toString() +
                                    QStringLiteral(", ") + header);
    Text1->show();
    Text1->raise();
    Text1->setFocus(Qt::OtherFocusReason);
    Text1->selectAll();
}

void FmEditor::commitTextBox()
{
    if (!Text1->isVisible() || m_cancelling)
        return;
    const int k = EditRow + 1;
    const FmEntry entry = fmFrequencyOnLeave(Text1->text());
    switch (entry.outcome) {
    case FmEntry::Empty:
        m_model.setFmGridCell(k, QString());
        break;
    case FmEntry::Accepted:
        m_model.setFmGridCell(k, entry.text);
        break;
    case FmEntry::OutOfRange:
        showOutOfRange();
        Text1->setProgramText(QString());
        break;
    case FmEntry::NotANumber:
        break;
    }
    Text1->hide();
}

QString FmEditor::Text2_Leave(const QString &text)
{
    const FmEntry entry = fmFrequencyOnLeave(text);
    switch (entry.outcome) {
    case FmEntry::Empty:
        return QString();
    case FmEntry::Accepted:
        return entry.text;
    case FmEntry::OutOfRange:
        showOutOfRange();
        return QString();
    case FmEntry::NotANumber:
        break;
    }
    return text;
}

void FmEditor::showOutOfRange()
{
    // A second entry while the line shows does not make it stay longer.
    if (Timer1->isActive())
        return;
    const FormDescription &form = fmFormDescription();
    const ElementDescription *line = form.findElement(QStringLiteral("Label2"));
    Label2->setText(form.texts(*line, m_model.language()).value(0));
    Label2->show();
    // The line is no dialog: a screen reader hears of it as an alert.
    QAccessibleEvent alert(Label2, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    m_ticks = 0;
    Timer1->start();
}

void FmEditor::countHintTick()
{
    if (++m_ticks < 4)
        return;
    m_ticks = 0;
    Label2->hide();
    Timer1->stop();
}

bool FmEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text1 && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        // Escape leaves the cell as it was.
        m_cancelling = true;
        MSFGrid->setFocus(Qt::OtherFocusReason);
        Text1->hide();
        m_cancelling = false;
        return true;
    }
    if (watched == Text1 && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // A context menu or another application coming forward is no leaving.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            commitTextBox();
    } else if (watched == MSFGrid && event->type() == QEvent::KeyPress) {
        auto *keyEvent = static_cast<QKeyEvent *>(event);
        const int key = keyEvent->key();
        const QModelIndex cell = MSFGrid->currentIndex();
        if (cell.isValid() && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2)) {
            openCellEditor(cell.row());
            return true;
        }
        // A character typed on a cell starts its edit with that character; the view
        // would move to a row whose text starts with it instead.
        if (typesCharacter(keyEvent)) {
            if (cell.isValid()) {
                openCellEditor(cell.row());
                typeInto(Text1, keyEvent);
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kt913
