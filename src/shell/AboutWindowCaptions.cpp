// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ShellCaptions.h"

namespace kt913 {

const CaptionTable &aboutWindowCaptions()
{
    static const CaptionTable table{
        "FrmAbout",
        {
            {"", CaptionProperty::Caption, -1, "帮助", "Help"},
            {"lblTitle", CaptionProperty::Caption, -1, "KT-913 对讲机编程软件", "KT-913 Radio Programming Software"},
            {"lblVersion", CaptionProperty::Caption, -1, "简体中文版 V2.20", "English edition V2.20"},
        },
        nullptr,
    };
    return table;
}

} // namespace kt913
