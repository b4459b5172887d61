// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/EditorCaptions.h"
#include "image/FormDescriptions.h"
#include "widgets/DescribedCaptions.h"

namespace kt913 {

const CaptionTable &dtmfEditorCaptions()
{
    static const CaptionTable table = captionTableFor(dtmfFormDescription());
    return table;
}

} // namespace kt913
