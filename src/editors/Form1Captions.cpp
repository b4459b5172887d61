#include "editors/EditorCaptions.h"

namespace kt913 {

const CaptionTable &form1Captions()
{
    static const CaptionTable table{
        "Form1",
        {
            {"", CaptionProperty::Caption, -1, "信道编辑", "Channel Edit"},
        },
        nullptr,
    };
    return table;
}

} // namespace kt913
