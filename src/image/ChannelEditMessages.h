// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The messages of the channel list's row editing (insert, paste), in both languages,
// for the message-box routine. Kept beside the row operations rather than in the
// program's general catalogue, which they do not otherwise share.
#include "Messages.h"

namespace kt913 {

enum class RowMessage {
    InsertLastInUse,   // %1: the group's last channel, which an insert would push out
    PasteBeyondGroup,  // %1: how many rows; %2: the channels left in the group
    PasteOverwrite,    // %1: the channels in use that the paste replaces (Yes/No)
    PasteRowsRefused,  // %1: one line per refused row, with its reason
    PasteNothing,      // the clipboard holds no channel rows
    PasteUnreadable,   // %1: why the clipboard's text cannot be read
};

// `arg1`, `arg2` fill the places the text has for them.
Message rowMessage(RowMessage id, Language lang, const QString &arg1 = QString(), const QString &arg2 = QString());
// The English texts and titles of these messages, for the list a translator works from.
QList<SourceText> rowMessageSourceTexts();

// Channel numbers as the grids label them ("A3, A4, B1"); a list longer than `shown`
// ends in "…".
QString channelLabels(const QList<int> &channels, int shown = 12);

} // namespace kt913
