#include "editors/EditorCaptions.h"

namespace kt913 {

const CaptionTable &form5Captions()
{
    static const CaptionTable table{
        "Form5",
        {
            {"", CaptionProperty::Caption, -1, "FM频道设置", "FM Channel Set"},
        },
        nullptr,
    };
    return table;
}

} // namespace kt913
