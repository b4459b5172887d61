#include "editors/EditorCaptions.h"

namespace kt913 {

const CaptionTable &form4Captions()
{
    static const CaptionTable table{
        "Form4",
        {
            {"", CaptionProperty::Caption, -1, "调试信息", "Debugging Information"},
        },
        nullptr,
    };
    return table;
}

} // namespace kt913
