// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/ChannelRowCommands.h"
#include "editors/ChannelClipboard.h"
#include "editors/ChannelGrid.h"
#include "editors/ChannelUndo.h"
#include "editors/ChannelEditor.h"
#include "image/ChannelEditMessages.h"
#include "image/ChannelGridModel.h"
#include "image/ChannelRowOps.h"
#include "image/RadioModel.h"
#include "widgets/MessageBox.h"
#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QUndoStack>

namespace kt913 {

ChannelRowCommands::ChannelRowCommands(ChannelEditor &form, RadioModel &model, ChannelUndo &undo)
    : QObject(&form), m_form(form), m_model(model), m_undo(undo), m_menu(new QMenu(&form)),
      m_clipboard(std::make_unique<ChannelClipboard>(form, model, undo))
{
    m_menu->setObjectName(QStringLiteral("MNChannelRows"));

    // Undo and redo reach the whole window: a text box open in a cell takes Ctrl+Z for
    // its own text first (a line edit claims the standard editing keys).
    QAction *undoAction = addAction("MNUndo", QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction *redoAction = addAction("MNRedo", QKeySequence(Qt::CTRL | Qt::Key_Y));
    for (QAction *a : {undoAction, redoAction}) {
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_form.addAction(a);
    }
    undoAction->setEnabled(false);
    redoAction->setEnabled(false);
    QUndoStack &stack = m_undo.stack();
    connect(&stack, &QUndoStack::canUndoChanged, undoAction, &QAction::setEnabled);
    connect(&stack, &QUndoStack::canRedoChanged, redoAction, &QAction::setEnabled);
    connect(undoAction, &QAction::triggered, this, [this] {
        m_form.commitPendingEdit();
        m_undo.stack().undo();
    });
    connect(redoAction, &QAction::triggered, this, [this] {
        m_form.commitPendingEdit();
        m_undo.stack().redo();
    });
    m_menu->addSeparator();

    // Rows for copying are chosen as a range of cells (Shift with the arrow keys).
    for (int group : {1, 2})
        m_form.grid(group)->setSelectionMode(QAbstractItemView::ContiguousSelection);
    connect(addAction("MNCopyRows", QKeySequence::Copy), &QAction::triggered, this, [this] { m_clipboard->copy(); });
    connect(addAction("MNPasteRows", QKeySequence::Paste), &QAction::triggered, this, [this] { m_clipboard->paste(); });
    m_menu->addSeparator();

    connect(addAction("MNInsertRow", QKeySequence(Qt::Key_Insert)), &QAction::triggered, this,
            &ChannelRowCommands::insertRow);
    connect(addAction("MNDeleteRow", QKeySequence(Qt::CTRL | Qt::Key_Delete)), &QAction::triggered, this,
            &ChannelRowCommands::deleteRow);
    connect(addAction("MNMoveRowUp", QKeySequence(Qt::ALT | Qt::Key_Up)), &QAction::triggered, this,
            [this] { moveRow(-1); });
    connect(addAction("MNMoveRowDown", QKeySequence(Qt::ALT | Qt::Key_Down)), &QAction::triggered, this,
            [this] { moveRow(1); });

    // The menu key and Shift+F10 open the menu at the current cell.
    auto *menuKey = new QAction(&m_form);
    menuKey->setObjectName(QStringLiteral("MNChannelRowsKey"));
    menuKey->setShortcuts({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    menuKey->setShortcutContext(Qt::WidgetShortcut);
    connect(menuKey, &QAction::triggered, this, &ChannelRowCommands::showMenuAtCurrentCell);
    for (int group : {1, 2}) {
        ChannelGrid *g = m_form.grid(group);
        g->addAction(menuKey);
        g->viewport()->installEventFilter(this);
        g->installEventFilter(this);
    }
}

QAction *ChannelRowCommands::addAction(const char *name, const QKeySequence &key)
{
    auto *a = new QAction(&m_form);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(key);
    // On the grids only: the cell editors and the other windows keep these keys.
    a->setShortcutContext(Qt::WidgetShortcut);
    for (int group : {1, 2})
        m_form.grid(group)->addAction(a);
    m_menu->addAction(a);
    m_actions.push_back(a);
    return a;
}

ChannelRowCommands::~ChannelRowCommands() = default;

QAction *ChannelRowCommands::action(const char *name) const
{
    for (QAction *a : m_actions)
        if (a->objectName() == QLatin1String(name))
            return a;
    return nullptr;
}

int ChannelRowCommands::currentChannel() const
{
    const ChannelGrid *g = m_form.currentGrid();
    const int row = g->currentRow();
    return row < 1 ? 0 : g->gridModel()->channelAt(row - 1);
}

bool ChannelRowCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ContextMenu)
        return QObject::eventFilter(watched, event);
    auto *menuEvent = static_cast<QContextMenuEvent *>(event);
    ChannelGrid *g = m_form.currentGrid();
    if (watched != g && watched != g->viewport())
        return QObject::eventFilter(watched, event);
    if (menuEvent->reason() == QContextMenuEvent::Mouse && watched == g->viewport()) {
        // The commands act on the row the user pointed at.
        const QModelIndex at = g->indexAt(menuEvent->pos());
        if (at.isValid())
            g->setCurrentCell(at.row() + 1, qMax(int(col::Rx), at.column()));
        showMenu(g, menuEvent->globalPos());
    } else {
        showMenuAtCurrentCell();
    }
    return true;
}

void ChannelRowCommands::showMenuAtCurrentCell()
{
    ChannelGrid *g = m_form.currentGrid();
    const QRect cell = g->cellRect(qMax(1, g->currentRow()), qMax(int(col::Rx), g->currentColumn()), g);
    showMenu(g, g->mapToGlobal(cell.center()));
}

void ChannelRowCommands::showMenu(ChannelGrid *grid, const QPoint &globalPos)
{
    // A cell editor still open (a menu does not close it) lands first, in its own cell.
    m_form.commitPendingEdit();
    const int n = currentChannel();
    const bool any = n > 0;
    action("MNInsertRow")->setEnabled(any);
    action("MNDeleteRow")->setEnabled(any);
    action("MNMoveRowUp")->setEnabled(any && n > groupFirstChannel(n));
    action("MNMoveRowDown")->setEnabled(any && n < groupLastChannel(n));
    grid->setFocus(Qt::OtherFocusReason);
    m_menu->popup(globalPos);
}

void ChannelRowCommands::applyRowEdits(const char *what, int channel, int step)
{
    QList<ChannelEdit> edits;
    const ChannelTables &t = m_model.channels();
    if (step == 0)
        edits = qstrcmp(what, "insert") == 0 ? insertRowEdits(t, channel) : deleteRowEdits(t, channel);
    else
        edits = moveRowEdits(t, channel, step);
    m_undo.applyEdits(QString::fromLatin1(what), edits);
}

void ChannelRowCommands::insertRow()
{
    m_form.commitPendingEdit();
    const int n = currentChannel();
    if (n == 0)
        return;
    // The group's last channel would be pushed out: refused rather than lost.
    if (insertPushesOutUsed(m_model.channels(), n)) {
        MsgBox(&m_form, m_model.language(),
               rowMessage(RowMessage::InsertLastInUse, m_model.language(), channelLabels({groupLastChannel(n)})));
        return;
    }
    applyRowEdits("insert", n, 0);
}

void ChannelRowCommands::deleteRow()
{
    m_form.commitPendingEdit();
    if (const int n = currentChannel())
        applyRowEdits("delete", n, 0);
}

void ChannelRowCommands::moveRow(int step)
{
    m_form.commitPendingEdit();
    const int n = currentChannel();
    if (n == 0 || n + step < groupFirstChannel(n) || n + step > groupLastChannel(n))
        return;
    ChannelGrid *g = m_form.currentGrid();
    const int row = g->currentRow(), column = g->currentColumn();
    applyRowEdits("move", n, step);
    // The cursor goes with the row, so that the next press moves it on.
    g->setCurrentCell(row + step, column);
}

void appendRowCommandCaptions(std::vector<CaptionRow> &rows)
{
    const CaptionRow mine[] = {
        {"MNChannelRows", CaptionProperty::Caption, -1, "信道行", "Channel rows"},
        {"MNChannelRows", CaptionProperty::AccessibleName, -1, "信道行", "Channel rows"},
        {"MNUndo", CaptionProperty::Caption, -1, "撤销(&U)", "Undo(&U)"},
        {"MNRedo", CaptionProperty::Caption, -1, "重做(&R)", "Redo(&R)"},
        {"MNCopyRows", CaptionProperty::Caption, -1, "复制行(&C)", "Copy Rows(&C)"},
        {"MNPasteRows", CaptionProperty::Caption, -1, "粘贴行(&P)", "Paste Rows(&P)"},
        {"MNInsertRow", CaptionProperty::Caption, -1, "插入空行(&I)", "Insert Empty Row(&I)"},
        {"MNDeleteRow", CaptionProperty::Caption, -1, "删除行(&D)", "Delete Row(&D)"},
        {"MNMoveRowUp", CaptionProperty::Caption, -1, "上移一行", "Move Row Up"},
        {"MNMoveRowDown", CaptionProperty::Caption, -1, "下移一行", "Move Row Down"},
    };
    rows.insert(rows.end(), std::begin(mine), std::end(mine));
}

} // namespace kt913
