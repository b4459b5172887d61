// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CaptionRegistry.h"
#include "editors/EditorCaptions.h"
#include "link/ui/FrmWritingCaptions.h"
#include "shell/ShellCaptions.h"

namespace kt913 {

const std::vector<const CaptionTable *> &captionTables()
{
    static const std::vector<const CaptionTable *> tables{
        &mdiForm1Captions(),
        &form1Captions(),
        &form2Captions(),
        &form3Captions(),
        &form4Captions(),
        &form5Captions(),
        &frmAboutCaptions(),
        &frmWritingCaptions(),
    };
    return tables;
}

} // namespace kt913
