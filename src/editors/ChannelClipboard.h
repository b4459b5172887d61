// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Copy and paste of whole channel rows through the system clipboard, as tab-separated
// text in the common CSV columns: rows go to a spreadsheet and come back from one.
#include <QList>

namespace kt913 {

class ChannelUndo;
class ChannelEditor;
class RadioModel;

class ChannelClipboard {
public:
    ChannelClipboard(ChannelEditor &form, RadioModel &model, ChannelUndo &undo);

    // The channels of the rows selected in the group shown (the current row when
    // nothing is selected), in row order.
    QList<int> selectedChannels() const;
    // The selected channels in use, with the header line, onto the clipboard.
    void copy();
    // The clipboard's rows from the current row on, as one undoable step; asks before
    // channels in use are replaced and reports the rows it cannot take.
    void paste();

private:
    ChannelEditor &m_form;
    RadioModel &m_model;
    ChannelUndo &m_undo;
};

} // namespace kt913
