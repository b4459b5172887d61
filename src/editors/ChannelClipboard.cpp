// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/ChannelClipboard.h"
#include "editors/ChannelGrid.h"
#include "editors/ChannelUndo.h"
#include "editors/ChannelEditor.h"
#include "image/ChannelEditMessages.h"
#include "image/ChannelGridModel.h"
#include "image/ChannelRowPaste.h"
#include "widgets/MessageBox.h"
#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QSet>
#include <algorithm>

namespace kt913 {

ChannelClipboard::ChannelClipboard(ChannelEditor &form, RadioModel &model, ChannelUndo &undo)
    : m_form(form), m_model(model), m_undo(undo)
{
}

QList<int> ChannelClipboard::selectedChannels() const
{
    const ChannelGrid *g = m_form.currentGrid();
    QSet<int> rows;
    for (const QModelIndex &i : g->selectionModel()->selectedIndexes())
        rows.insert(i.row());
    if (rows.isEmpty() && g->currentRow() > 0)
        rows.insert(g->currentRow() - 1);
    QList<int> sorted(rows.cbegin(), rows.cend());
    std::sort(sorted.begin(), sorted.end());
    QList<int> channels;
    for (int r : sorted)
        channels << g->gridModel()->channelAt(r);
    return channels;
}

void ChannelClipboard::copy()
{
    m_form.commitPendingEdit();
    const QString text = copiedRowsText(m_model.channels(), selectedChannels());
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

void ChannelClipboard::paste()
{
    m_form.commitPendingEdit();
    const ChannelGrid *g = m_form.currentGrid();
    if (g->currentRow() < 1)
        return;
    const int n = g->gridModel()->channelAt(g->currentRow() - 1);
    const Language lang = m_model.language();
    const RowPaste paste = planRowPaste(QApplication::clipboard()->text(), m_model, n);
    if (!paste.problem.isEmpty()) {
        MsgBox(&m_form, lang, rowMessage(RowMessage::PasteUnreadable, lang, paste.problem));
        return;
    }
    if (paste.rows == 0) {
        MsgBox(&m_form, lang, rowMessage(RowMessage::PasteNothing, lang));
        return;
    }
    // At the group's end the paste is refused whole: rows beyond it have no channel in
    // this group, and putting them into the other group would go unseen.
    if (!paste.plan.fits) {
        const int left = groupLastChannel(n) - n + 1;
        MsgBox(&m_form, lang,
               rowMessage(RowMessage::PasteBeyondGroup, lang, QString::number(paste.rows), QString::number(left)));
        return;
    }
    if (!paste.plan.overwritten.isEmpty() &&
        MsgBox(&m_form, lang, rowMessage(RowMessage::PasteOverwrite, lang, channelLabels(paste.plan.overwritten))) !=
            mbResult::Yes)
        return;
    m_undo.applyEdits(QStringLiteral("paste"), paste.plan.edits);
    if (!paste.refused.isEmpty())
        MsgBox(&m_form, lang,
               rowMessage(RowMessage::PasteRowsRefused, lang, refusalLines(paste.refused, lang).join(QLatin1Char('\n'))));
}

} // namespace kt913
