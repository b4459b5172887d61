#pragma once
// The control tables of the editor windows, in both languages.
#include "ControlDescription.h"
#include "Language.h"

namespace kt913 {

const FormDescription &dtmfFormDescription();     // Form2
const FormDescription &optionsFormDescription();  // Form3
const FormDescription &debugFormDescription();    // Form4
const FormDescription &fmFormDescription();       // Form5

// Channel editor (Form1) choice lists: the option list of grid column 5..11
// ("Combo5(5)".."Combo5(11)"), the item a new channel gets, and the list's load selection.
struct ChannelOptionList {
    int column;
    QStringList itemsZh, itemsEn;
};
const ChannelOptionList &channelOptionList(int column); // column 5..11
QString channelOptionText(int column, int index, Language lang); // "" when out of range

// Column headers of the channel grids, 12 columns.
QStringList channelGridHeaders(Language lang);

} // namespace kt913
