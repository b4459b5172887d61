// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The control tables of the editor windows, in both languages. The code names their
// controls by the constants of WindowControls.h.
#include "ControlDescription.h"
#include "Language.h"
#include "WindowControls.h"

namespace kt913 {

const FormDescription &dtmfFormDescription();     // DtmfEditor
const FormDescription &optionsFormDescription();  // OptionalFeaturesEditor
const FormDescription &debugFormDescription();    // DebugEditor
const FormDescription &fmFormDescription();       // FmEditor

// Channel editor (ChannelEditor) choice lists: the option list of grid column 5..11
// ("Combo5(5)".."Combo5(11)"), the item a new channel gets, and the list's load selection.
struct ChannelOptionList {
    int column;
    QStringList itemsZh, itemsEn;
};
const ChannelOptionList &channelOptionList(int column); // column 5..11
QString channelOptionText(int column, int index, Language lang); // "" when out of range

// The channel editor window (ChannelEditor): its caption, the two tabs of the group strip and
// the twelve columns of its grids, each with the cell editor that edits it.
struct ChannelColumn {
    int widthTwips;
    const char *headerZh, *headerEn;
    const char *editor; // objectName of the cell editor; nullptr for the fixed label column
    const char *purpose;
};
struct ChannelEditorDescription {
    const char *captionZh, *captionEn;
    const char *tabsZh[2], *tabsEn[2];
    ChannelColumn columns[12];
};
const ChannelEditorDescription &channelEditorDescription();

// Column headers of the channel grids, 12 columns.
QStringList channelGridHeaders(Language lang);

} // namespace kt913
