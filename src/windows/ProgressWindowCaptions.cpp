// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/ProgressWindowCaptions.h"

namespace kt913 {

// The progress window has no texts of its own: a transfer sets its label and caption
// when it starts. In Chinese the label starts out empty; English leaves it alone.
const CaptionTable &progressWindowCaptions()
{
    static const CaptionTable table{
        "FrmWriting",
        {
            {"Label1", CaptionProperty::Caption, -1, "", nullptr},
        },
        nullptr,
    };
    return table;
}

} // namespace kt913
