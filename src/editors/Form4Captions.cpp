// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/EditorCaptions.h"
#include "image/FormDescriptions.h"
#include "widgets/DescribedCaptions.h"

namespace kt913 {

const CaptionTable &form4Captions()
{
    static const CaptionTable table = captionTableFor(debugFormDescription());
    return table;
}

} // namespace kt913
