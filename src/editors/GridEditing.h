// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the grids with an editor laid over their cells (the channel grids, the FM grid)
// share: typing on a cell starts its edit, as in a spreadsheet, and only the user's own
// scrolling ends one.
#include <functional>

class QAbstractScrollArea;
class QKeyEvent;
class QWidget;

namespace kt913 {

// A key that types a character, without Ctrl, Alt or Meta: on a grid it opens the
// current cell's editor instead of searching the rows for the text.
bool typesCharacter(const QKeyEvent *event);

// Hands the key that opened `editor` on to it. The editor's text is selected when it
// opens, so an accepted character replaces it and a refused one leaves it as it was.
void typeInto(QWidget *editor, const QKeyEvent *event);

// Calls `scrolled` just before the user scrolls `area` (its scroll bars dragged or
// clicked, the wheel over it), never when the view scrolls by itself: the item view
// scrolls a pressed cell into view a moment after the press, while its editor is open.
void onUserScroll(QAbstractScrollArea *area, const std::function<void()> &scrolled);

} // namespace kt913
