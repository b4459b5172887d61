// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CaptionRegistry.h"
#include "editors/EditorCaptions.h"
#include "image/FormDescriptions.h"
#include "widgets/DescribedCaptions.h"
#include "windows/ProgressWindowCaptions.h"
#include "shell/ShellCaptions.h"

namespace kt913 {

const std::vector<const CaptionTable *> &captionTables()
{
    static const std::vector<const CaptionTable *> tables{
        &mainWindowCaptions(),
        &channelEditorCaptions(),
        &captionTableFor(dtmfFormDescription()),
        &captionTableFor(optionsFormDescription()),
        &captionTableFor(debugFormDescription()),
        &captionTableFor(fmFormDescription()),
        &aboutWindowCaptions(),
        &progressWindowCaptions(),
    };
    return tables;
}

} // namespace kt913
