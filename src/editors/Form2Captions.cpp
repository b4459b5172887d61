#include "editors/EditorCaptions.h"

namespace kt913 {

const CaptionTable &form2Captions()
{
    static const CaptionTable table{
        "Form2",
        {
            // The window caption is the same in both languages.
        },
        nullptr,
    };
    return table;
}

} // namespace kt913
