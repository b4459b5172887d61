// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/EditorCaptions.h"
#include "image/FormDescriptions.h"
#include "widgets/DescribedCaptions.h"

namespace kt913 {

const CaptionTable &fmEditorCaptions()
{
    static const CaptionTable table = captionTableFor(fmFormDescription());
    return table;
}

} // namespace kt913
