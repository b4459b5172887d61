// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/ChannelGrid.h"
#include "editors/GridEditing.h"
#include "image/ChannelGridModel.h"
#include "image/FormDescriptions.h"
#include "widgets/Twips.h"
#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace kt913 {

namespace {

// Every second channel row is light blue, so that a row can be followed across the
// grid; the fixed label column looks like the header it is. Cells are short texts
// centred in their column: they are drawn directly, which keeps a full grid of 64 rows
// quick to paint, and elided should one ever be wider than its column.
class ChannelRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette &pal = option.palette;
        if (selected)
            painter->fillRect(option.rect, pal.brush(QPalette::Highlight));
        else if (index.column() == col::Label)
            painter->fillRect(option.rect, pal.button());
        else if (const QVariant marked = index.data(Qt::BackgroundRole); marked.isValid())
            painter->fillRect(option.rect, QColor(marked.toString()));
        else if (index.row() % 2 == 1) // grid rows 2, 4, ..., 64
            painter->fillRect(option.rect, QColor(0xC0, 0xC0, 0xFF));

        QString text = index.data(Qt::DisplayRole).toString();
        if (!text.isEmpty()) {
            const QRect area = option.rect.adjusted(2, 0, -2, 0);
            if (option.fontMetrics.horizontalAdvance(text) > area.width())
                text = option.fontMetrics.elidedText(text, Qt::ElideRight, area.width());
            painter->setPen(pal.color(selected ? QPalette::HighlightedText : QPalette::Text));
            painter->drawText(area, Qt::AlignCenter, text);
        }
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.backgroundColor = pal.color(selected ? QPalette::Highlight : QPalette::Base);
            const QWidget *w = option.widget;
            (w ? w->style() : QApplication::style())->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, w);
        }
    }
};

} // namespace

ChannelGrid::ChannelGrid(ChannelGridModel *model, const QString &name, QWidget *parent)
    : QTableView(parent), m_model(model)
{
    setObjectName(name);
    setModel(model);
    setItemDelegate(new ChannelRowDelegate(this));
    setEditTriggers(NoEditTriggers); // the channel editor lays its own editors over the cells
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollMode(ScrollPerPixel);
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide(); // the row labels are column 0
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(qMax(twips(240), fontMetrics().height() + 4));
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    const ChannelEditorDescription &d = channelEditorDescription();
    for (int c = 0; c < col::Count; ++c)
        setColumnWidth(c, twips(d.columns[c].widthTwips));
    // One twip wide in the design: nothing a user can see or reach.
    setColumnHidden(col::Hidden, true);
    // The user scrolling gives the grid the focus, so that an open cell editor is
    // committed and closed rather than left floating over a cell that moved away.
    onUserScroll(this, [this] { setFocus(Qt::OtherFocusReason); });
}

void ChannelGrid::fitChoiceColumns(Language lang)
{
    // The design's widths fit the Chinese and English choices; a translation's may be
    // longer ("Niedrig" for Low). The column grows for those and never shrinks below
    // the design, so the built-in languages look as they always have.
    const ChannelEditorDescription &d = channelEditorDescription();
    const int padding = 6; // the cell's margins (2 + 2), the grid line and a pixel of air
    for (int c : {col::Power, col::BusyLock, col::ScanAdd, col::Bandwidth, col::Scramble}) {
        int widest = 0;
        for (int i = 0; i < channelOptionList(c).itemsEn.size(); ++i)
            widest = qMax(widest, fontMetrics().horizontalAdvance(channelOptionText(c, i, lang)));
        setColumnWidth(c, qMax(twips(d.columns[c].widthTwips), widest + padding));
    }
}

int ChannelGrid::topRow() const
{
    const int row = rowAt(0);
    return row < 0 ? 1 : row + 1;
}

void ChannelGrid::setTopRow(int row)
{
    verticalScrollBar()->setValue(qBound(1, row, m_model->rowCount()) - 1);
}

int ChannelGrid::currentRow() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() + 1 : 0;
}

int ChannelGrid::currentColumn() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.column() : 0;
}

void ChannelGrid::setCurrentCell(int row, int column)
{
    setCurrentIndex(m_model->index(row - 1, column));
}

QRect ChannelGrid::cellRect(int row, int column, const QWidget *widget) const
{
    const QRect r = visualRect(m_model->index(row - 1, column));
    return QRect(viewport()->mapTo(widget, r.topLeft()), r.size());
}

QString ChannelGrid::cellName(int row, int column) const
{
    return m_model->headerData(row - 1, Qt::Vertical).toString() + QStringLiteral(", ") +
           m_model->headerData(column, Qt::Horizontal).toString();
}

void ChannelGrid::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        setFocus(Qt::MouseFocusReason); // a right press only gives the grid the focus
        return;
    }
    // On a label of the rows selected together, the press keeps them for a drag.
    if (event->button() == Qt::LeftButton && startRowPress(event->position().toPoint())) {
        setFocus(Qt::MouseFocusReason);
        return;
    }
    QTableView::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    // The label column cannot be chosen: a press there opens nothing.
    const QModelIndex pressed = indexAt(event->position().toPoint());
    if (pressed.isValid() && pressed.column() != col::Label)
        emit leftPressed();
}

bool ChannelGrid::startRowPress(const QPoint &pos)
{
    m_drag = RowDrag{};
    const QModelIndex at = indexAt(pos);
    if (!at.isValid() || at.column() != col::Label)
        return false;
    const int row = at.row() + 1;
    int first = m_model->rowCount(), last = 1;
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    for (const QModelIndex &i : selected) {
        first = qMin(first, i.row() + 1);
        last = qMax(last, i.row() + 1);
    }
    const bool inSelection = first < last && first <= row && row <= last;
    m_drag.pressed = true;
    m_drag.start = pos;
    m_drag.first = inSelection ? first : row;
    m_drag.last = inSelection ? last : row;
    // A single row: the press chooses it as a press on any label does.
    return inSelection;
}

int ChannelGrid::dropRowAt(const QPoint &pos) const
{
    if (!viewport()->rect().contains(pos))
        return 0;
    const int row = rowAt(pos.y());
    if (row < 0)
        return m_model->rowCount() + 1; // below the last row
    // The upper half of a row puts the rows before it, the lower half after it.
    const QRect r = visualRect(m_model->index(row, col::Rx));
    return row + 1 + (pos.y() >= r.center().y() ? 1 : 0);
}

void ChannelGrid::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_drag.pressed || !(event->buttons() & Qt::LeftButton)) {
        QTableView::mouseMoveEvent(event);
        return;
    }
    if (m_drag.cancelled)
        return;
    const QPoint pos = event->position().toPoint();
    if (!m_drag.active) {
        if ((pos - m_drag.start).manhattanLength() < QApplication::startDragDistance())
            return;
        m_drag.active = true;
        viewport()->setCursor(Qt::DragMoveCursor);
    }
    // Held at the top or bottom edge, the grid scrolls on by a row.
    const int edge = verticalHeader()->defaultSectionSize() / 2;
    if (pos.y() < edge)
        verticalScrollBar()->setValue(verticalScrollBar()->value() - 1);
    else if (pos.y() > viewport()->height() - edge && pos.y() < viewport()->height())
        verticalScrollBar()->setValue(verticalScrollBar()->value() + 1);
    m_drag.before = dropRowAt(pos);
    viewport()->update();
}

void ChannelGrid::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_drag.pressed || event->button() != Qt::LeftButton) {
        QTableView::mouseReleaseEvent(event);
        return;
    }
    const RowDrag drag = m_drag;
    endRowDrag();
    // The view ends its own press (its state, a click on the pressed cell) either way.
    QTableView::mouseReleaseEvent(event);
    if (!drag.active)
        return;
    const QPoint pos = event->position().toPoint();
    const int before = dropRowAt(pos);
    if (before > 0)
        emit rowsDropped(drag.first, drag.last, before);
    else
        emit rowsDroppedOutside(drag.first, drag.last, viewport()->mapToGlobal(pos));
}

void ChannelGrid::endRowDrag()
{
    if (m_drag.active)
        viewport()->unsetCursor();
    m_drag = RowDrag{};
    viewport()->update();
}

void ChannelGrid::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    if (!m_drag.active || m_drag.before < 1)
        return;
    // Where the rows would land: a line between two rows.
    const int row = m_drag.before - 1;
    const int y = row < m_model->rowCount() ? visualRect(m_model->index(row, 0)).top()
                                            : visualRect(m_model->index(row - 1, 0)).bottom();
    QPainter p(viewport());
    p.setPen(QPen(palette().color(QPalette::Highlight), 3));
    p.drawLine(0, y, viewport()->width(), y);
}

void ChannelGrid::focusInEvent(QFocusEvent *event)
{
    // Tabbed into before any cell was chosen, the grid starts at the first channel's
    // receive frequency, not at its label. (Scrolling also hands it the focus, and must
    // not scroll it back.)
    const Qt::FocusReason reason = event->reason();
    if (!currentIndex().isValid() && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)) {
        const QModelIndex first = m_model->index(0, col::Rx);
        selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    }
    QTableView::focusInEvent(event);
}

QModelIndex ChannelGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // The keys stop at the receive frequency: the label is read as the row's header
    // anyway, and can be neither chosen nor edited.
    const QModelIndex next = QTableView::moveCursor(action, modifiers);
    return next.isValid() && next.column() == col::Label ? m_model->index(next.row(), col::Rx) : next;
}

void ChannelGrid::keyPressEvent(QKeyEvent *event)
{
    if (m_drag.active && event->key() == Qt::Key_Escape) {
        // The drag is called off and the rows stay; the rest of the press does nothing.
        endRowDrag();
        m_drag.pressed = m_drag.cancelled = true;
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_F2) {
        emit enterPressed();
        return;
    }
    // Typed on a cell, a character goes into that cell; the view would look for a row
    // starting with it and move there.
    if (typesCharacter(event)) {
        emit characterTyped(event);
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace kt913
