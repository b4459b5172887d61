// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CaptionRegistry.h"
#include "editors/EditorCaptions.h"
#include "windows/ProgressWindowCaptions.h"
#include "shell/ShellCaptions.h"

namespace kt913 {

const std::vector<const CaptionTable *> &captionTables()
{
    static const std::vector<const CaptionTable *> tables{
        &mainWindowCaptions(),
        &channelEditorCaptions(),
        &dtmfEditorCaptions(),
        &optionalFeaturesEditorCaptions(),
        &debugEditorCaptions(),
        &fmEditorCaptions(),
        &aboutWindowCaptions(),
        &progressWindowCaptions(),
    };
    return tables;
}

} // namespace kt913
