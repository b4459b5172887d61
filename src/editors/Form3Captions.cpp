#include "editors/EditorCaptions.h"

namespace kt913 {

const CaptionTable &form3Captions()
{
    static const CaptionTable table{
        "Form3",
        {
            {"", CaptionProperty::Caption, -1, "可选功能", "Optional Features"},
        },
        nullptr,
    };
    return table;
}

} // namespace kt913
