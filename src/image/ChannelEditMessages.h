// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The messages of the channel list's row editing (insert, paste, sort, move, find), in
// both languages, for the message-box routine. Kept beside the row operations rather
// than in the program's general catalogue, which they do not otherwise share.
#include "Messages.h"
#include <QStringList>

namespace kt913 {

enum class RowMessage {
    InsertLastInUse,   // %1: the group's last channel, which an insert would push out
    PasteBeyondGroup,  // %1: how many rows; %2: the channels left in the group
    PasteOverwrite,    // %1: the channels in use that the paste replaces (Yes/No)
    PasteRowsRefused,  // %1: one line per refused row, with its reason
    PasteNothing,      // the clipboard holds no channel rows
    PasteUnreadable,   // %1: why the clipboard's text cannot be read
    MoveNoRoom,        // %1: how many rows; %2: the other group's channels left after its last in use
    DuplicatesFound,   // %1: how many channels share frequency and tones with another
    NoDuplicates,
};

// `arg1`, `arg2` fill the places the text has for them.
Message rowMessage(RowMessage id, Language lang, const QString &arg1 = QString(), const QString &arg2 = QString());
// The English texts and titles of these messages, for the list a translator works from.
QList<SourceText> rowMessageSourceTexts();

// What the editor says (on its status line, and to a screen reader) after putting the
// list in order or looking for a channel; no message box, as nothing needs an answer.
enum class ArrangeNote {
    Sorted,      // %1: how many channels; %2: the key and the order
    Compacted,   // %1: how many channels moved
    Moved,       // %1: the channels as they now stand ("A3, A4")
    Found,       // %1: the channel and column ("A12, RX Fre")
    NotFound,    // %1: what was looked for
    Unchanged,   // the rows were in order already
};
QString arrangeNote(ArrangeNote id, Language lang, const QString &arg1 = QString(), const QString &arg2 = QString());

// The sort keys and orders as the sort dialog lists them and the notes name them.
QStringList sortKeyTexts(Language lang);
QStringList sortOrderTexts(Language lang);

// Channel numbers as the grids label them ("A3, A4, B1"); a list longer than `shown`
// ends in "…".
QString channelLabels(const QList<int> &channels, int shown = 12);

} // namespace kt913
