// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/ChannelArrangeCommands.h"
#include "editors/ChannelClipboard.h"
#include "editors/ChannelEditor.h"
#include "editors/ChannelFindBar.h"
#include "editors/ChannelGrid.h"
#include "editors/ChannelRowCommands.h"
#include "editors/ChannelSortDialog.h"
#include "editors/ChannelUndo.h"
#include "image/ChannelEditMessages.h"
#include "image/ChannelGridModel.h"
#include "image/ChannelRowOps.h"
#include "image/RadioModel.h"
#include "widgets/MessageBox.h"
#include <QAction>
#include <QApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QVBoxLayout>

namespace kt913 {

namespace {

int groupOf(int n)
{
    return n > map::kGroupSize ? 2 : 1;
}

// "A3" or "A3–A5", as the grids label the channels.
QString rangeLabel(int first, int last)
{
    return first == last ? channelLabels({first}) : channelLabels({first}) + QStringLiteral("–") + channelLabels({last});
}

} // namespace

ChannelArrangeCommands::ChannelArrangeCommands(ChannelEditor &form, RadioModel &model, ChannelUndo &undo)
    : QObject(&form), m_form(form), m_model(model), m_undo(undo), m_findBar(new ChannelFindBar(&form)),
      m_note(new QLabel(&form))
{
    m_note->setObjectName(QStringLiteral("LabelArrange"));
    m_note->hide();
    if (auto *box = qobject_cast<QVBoxLayout *>(form.layout())) {
        box->insertWidget(0, m_findBar);
        box->addWidget(m_note);
    }

    QMenu *menu = form.rowCommands().contextMenu();
    menu->addSeparator();
    connect(addAction("MNSortRows"), &QAction::triggered, this, &ChannelArrangeCommands::openSortDialog);
    connect(addAction("MNCompactRows"), &QAction::triggered, this, &ChannelArrangeCommands::compactGroup);
    connect(addAction("MNMoveToOtherGroup"), &QAction::triggered, this, &ChannelArrangeCommands::moveToOtherGroup);
    connect(addAction("MNFindDuplicates"), &QAction::triggered, this, &ChannelArrangeCommands::findDuplicates);
    for (const char *name : {"MNSortRows", "MNCompactRows", "MNMoveToOtherGroup", "MNFindDuplicates"})
        menu->addAction(action(name));

    // Ctrl+F itself reaches the editor as a key (ChannelEditor::keyPressEvent): the main
    // window's FM command has it everywhere else.
    connect(addAction("MNFind"), &QAction::triggered, this, &ChannelArrangeCommands::openFind);
    QAction *next = addAction("MNFindNext", QKeySequence(Qt::Key_F3));
    QAction *previous = addAction("MNFindPrevious", QKeySequence(Qt::SHIFT | Qt::Key_F3));
    for (QAction *a : {next, previous}) {
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        form.addAction(a);
    }
    connect(next, &QAction::triggered, this, [this] { find(false); });
    connect(previous, &QAction::triggered, this, [this] { find(true); });
    connect(m_findBar, &ChannelFindBar::findNext, this, [this] { find(false); });
    connect(m_findBar, &ChannelFindBar::findPrevious, this, [this] { find(true); });
    connect(m_findBar, &ChannelFindBar::closed, this,
            [this] { m_form.currentGrid()->setFocus(Qt::OtherFocusReason); });

    for (int group : {1, 2}) {
        ChannelGrid *g = form.grid(group);
        connect(g, &ChannelGrid::rowsDropped, this,
                [this, group](int first, int last, int before) { dropRows(group, first, last, before); });
        connect(g, &ChannelGrid::rowsDroppedOutside, this, [this, group](int first, int last, const QPoint &at) {
            dropRowsOutside(group, first, last, at);
        });
    }
}

QAction *ChannelArrangeCommands::addAction(const char *name, const QKeySequence &key)
{
    auto *a = new QAction(&m_form);
    a->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty())
        a->setShortcut(key);
    m_actions.push_back(a);
    return a;
}

QAction *ChannelArrangeCommands::action(const char *name) const
{
    for (QAction *a : m_actions)
        if (a->objectName() == QLatin1String(name))
            return a;
    return nullptr;
}

void ChannelArrangeCommands::say(const QString &text)
{
    announce(m_note, text);
}

bool ChannelArrangeCommands::apply(const char *what, const QList<ChannelEdit> &edits)
{
    if (edits.isEmpty()) {
        say(arrangeNote(ArrangeNote::Unchanged, m_model.language()));
        return false;
    }
    m_undo.applyEdits(QString::fromLatin1(what), edits);
    return true;
}

void ChannelArrangeCommands::selectChannels(int first, int last)
{
    const int group = groupOf(first);
    m_form.groupTabs()->setCurrentIndex(group - 1);
    ChannelGrid *g = m_form.grid(group);
    const ChannelGridModel *gm = g->gridModel();
    const int column = qMax(int(col::Rx), g->currentColumn());
    g->setCurrentCell(gm->rowOf(first) + 1, column);
    g->selectionModel()->select(QItemSelection(gm->index(gm->rowOf(first), col::Rx),
                                               gm->index(gm->rowOf(last), col::Name)),
                                QItemSelectionModel::ClearAndSelect);
    g->scrollTo(gm->index(gm->rowOf(first), column));
    // The keys go on from the rows that moved, in the group they are in now.
    g->setFocus(Qt::OtherFocusReason);
}

void ChannelArrangeCommands::sortRows(SortKey key, bool descending)
{
    m_form.commitPendingEdit();
    m_lastKey = key;
    m_lastDescending = descending;
    QList<int> channels = m_form.rowCommands().clipboard().selectedChannels();
    if (channels.size() <= 1) {
        const int first = channelNumber(m_model.band().BandGroup, 1);
        channels.clear();
        for (int n = first; n < first + map::kGroupSize; ++n)
            channels << n;
    }
    int used = 0;
    for (int n : channels)
        used += m_model.channels().isUsed(n) ? 1 : 0;
    if (!apply("sort", sortRowEdits(m_model.channels(), channels, key, descending)))
        return;
    const Language lang = m_model.language();
    const QString how = sortKeyTexts(lang).value(int(key)) + textIn(lang, "，", ", ") +
                        sortOrderTexts(lang).value(descending ? 1 : 0);
    say(arrangeNote(ArrangeNote::Sorted, lang, QString::number(used), how));
}

void ChannelArrangeCommands::openSortDialog()
{
    emit aboutToAct();
    m_form.commitPendingEdit();
    // Window-modal and event-driven: the sort runs when the dialog is accepted.
    auto *dialog = new ChannelSortDialog(m_model.language(), m_lastKey, m_lastDescending, &m_form);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { sortRows(dialog->key(), dialog->descending()); });
    connect(dialog, &QDialog::finished, this, [this] {
        // Back to the grid, in the window the dialog came from.
        m_form.window()->activateWindow();
        m_form.currentGrid()->setFocus(Qt::OtherFocusReason);
    });
    dialog->open();
    dialog->activateWindow();
}

void ChannelArrangeCommands::compactGroup()
{
    emit aboutToAct();
    m_form.commitPendingEdit();
    const QList<ChannelEdit> edits = compactGroupEdits(m_model.channels(), m_model.band().BandGroup);
    int moved = 0;
    for (const ChannelEdit &e : edits)
        moved += e.after.isUsed() ? 1 : 0;
    if (apply("compact", edits))
        say(arrangeNote(ArrangeNote::Compacted, m_model.language(), QString::number(moved)));
}

void ChannelArrangeCommands::moveToOtherGroup()
{
    emit aboutToAct();
    m_form.commitPendingEdit();
    const QList<int> channels = m_form.rowCommands().clipboard().selectedChannels();
    if (!channels.isEmpty())
        moveRangeToOtherGroup(channels.first(), channels.last());
}

void ChannelArrangeCommands::moveRangeToOtherGroup(int first, int last)
{
    const GroupMovePlan plan = moveToOtherGroupEdits(m_model.channels(), first, last);
    const Language lang = m_model.language();
    if (!plan.fits) {
        const int otherFirst = groupOf(first) == 1 ? map::kGroupSize + 1 : 1;
        int left = map::kGroupSize;
        for (int n = otherFirst; n < otherFirst + map::kGroupSize; ++n)
            if (m_model.channels().isUsed(n))
                left = otherFirst + map::kGroupSize - 1 - n;
        MsgBox(&m_form, lang,
               rowMessage(RowMessage::MoveNoRoom, lang, QString::number(last - first + 1), QString::number(left)));
        return;
    }
    if (!apply("move", plan.edits))
        return;
    const int placedLast = plan.placedAt + last - first;
    selectChannels(plan.placedAt, placedLast);
    say(arrangeNote(ArrangeNote::Moved, lang, rangeLabel(plan.placedAt, placedLast)));
}

void ChannelArrangeCommands::dropRows(int group, int first, int last, int before)
{
    m_form.commitPendingEdit();
    const int firstChannel = channelNumber(group, first), lastChannel = channelNumber(group, last);
    const int beforeChannel = channelNumber(group, before);
    if (!apply("move", moveBlockEdits(m_model.channels(), firstChannel, lastChannel, beforeChannel)))
        return;
    const int count = last - first + 1;
    const int placed = beforeChannel < firstChannel ? beforeChannel : beforeChannel - count;
    selectChannels(placed, placed + count - 1);
    say(arrangeNote(ArrangeNote::Moved, m_model.language(),
                    rangeLabel(placed, placed + count - 1)));
}

void ChannelArrangeCommands::dropRowsOutside(int group, int first, int last, const QPoint &globalPos)
{
    // Onto the other group's tab: the rows go into that group.
    QTabBar *tabs = m_form.groupTabs();
    const int tab = tabs->tabAt(tabs->mapFromGlobal(globalPos));
    if (tab != 2 - group)
        return;
    m_form.commitPendingEdit();
    moveRangeToOtherGroup(channelNumber(group, first), channelNumber(group, last));
}

void ChannelArrangeCommands::openFind()
{
    emit aboutToAct();
    m_form.commitPendingEdit();
    m_findBar->open();
}

void ChannelArrangeCommands::find(bool backward)
{
    m_form.commitPendingEdit();
    const QString text = m_findBar->text();
    if (text.isEmpty()) {
        openFind();
        return;
    }
    const Language lang = m_model.language();
    const int n = findMatch(m_model.channels(), m_form.rowCommands().currentChannel(), text, backward);
    if (n == 0) {
        m_findBar->showResult(arrangeNote(ArrangeNote::NotFound, lang, text));
        return;
    }
    const int column = matchingColumn(m_model.channels(), n, text);
    const bool barHadFocus = m_findBar->isAncestorOf(QApplication::focusWidget());
    m_form.groupTabs()->setCurrentIndex(groupOf(n) - 1);
    ChannelGrid *g = m_form.grid(groupOf(n));
    const QModelIndex at = g->gridModel()->index(g->gridModel()->rowOf(n), column);
    g->setCurrentIndex(at);
    g->selectionModel()->select(at, QItemSelectionModel::ClearAndSelect);
    g->scrollTo(at, QAbstractItemView::EnsureVisible);
    if (barHadFocus)
        m_findBar->textBox()->setFocus(Qt::OtherFocusReason);
    m_findBar->showResult(arrangeNote(ArrangeNote::Found, lang,
                                      g->cellName(at.row() + 1, column) + QStringLiteral(": ") + at.data().toString()));
}

void ChannelArrangeCommands::findDuplicates()
{
    emit aboutToAct();
    m_form.commitPendingEdit();
    const Language lang = m_model.language();
    const QList<int> found = duplicateChannels(m_model.channels());
    for (int group : {1, 2})
        m_form.grid(group)->selectionModel()->clearSelection();
    if (found.isEmpty()) {
        say(rowMessage(RowMessage::NoDuplicates, lang).text);
        MsgBox(&m_form, lang, rowMessage(RowMessage::NoDuplicates, lang));
        return;
    }
    m_form.groupTabs()->setCurrentIndex(groupOf(found.first()) - 1);
    for (int n : found) {
        ChannelGrid *g = m_form.grid(groupOf(n));
        const int row = g->gridModel()->rowOf(n);
        g->selectionModel()->select(QItemSelection(g->gridModel()->index(row, col::Rx),
                                                   g->gridModel()->index(row, col::Name)),
                                    QItemSelectionModel::Select);
    }
    ChannelGrid *g = m_form.grid(groupOf(found.first()));
    const QModelIndex first = g->gridModel()->index(g->gridModel()->rowOf(found.first()), col::Rx);
    g->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    g->scrollTo(first);
    const Message message = rowMessage(RowMessage::DuplicatesFound, lang, QString::number(found.size()));
    say(message.text);
    MsgBox(&m_form, lang, message);
}

void appendArrangeCaptions(std::vector<CaptionRow> &rows)
{
    const CaptionRow mine[] = {
        {"MNSortRows", CaptionProperty::Caption, -1, "排序(&S)...", "Sort(&S)..."},
        {"MNCompactRows", CaptionProperty::Caption, -1, "消除空位(&K)", "Compact(&K)"},
        {"MNMoveToOtherGroup", CaptionProperty::Caption, -1, "移到另一组(&G)", "Move to Other Group(&G)"},
        {"MNFind", CaptionProperty::Caption, -1, "查找(&N)...", "Find(&N)..."},
        {"MNFindNext", CaptionProperty::Caption, -1, "查找下一个", "Find Next"},
        {"MNFindPrevious", CaptionProperty::Caption, -1, "查找上一个", "Find Previous"},
        {"MNFindDuplicates", CaptionProperty::Caption, -1, "查找重复(&L)", "Find Duplicates(&L)"},
        {"FindLabel", CaptionProperty::Caption, -1, "查找:", "Find:"},
        {"FindText", CaptionProperty::ToolTip, -1, "频率（如 145.5）、名称或亚音频；Enter 或 F3 下一个，Shift+F3 上一个",
         "A frequency (such as 145.5), a name or a tone; Enter or F3 next, Shift+F3 previous"},
        {"FindPrevious", CaptionProperty::Caption, -1, "上一个", "Previous"},
        {"FindNext", CaptionProperty::Caption, -1, "下一个", "Next"},
        {"FindClose", CaptionProperty::Caption, -1, "关闭", "Close"},
        // A result in the other language would be read out wrongly: a switch clears it.
        {"FindResult", CaptionProperty::Caption, -1, "", ""},
        {"LabelArrange", CaptionProperty::Caption, -1, "", ""},
    };
    rows.insert(rows.end(), std::begin(mine), std::end(mine));
}

} // namespace kt913
