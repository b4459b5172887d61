#include "ControlSpec.h"

namespace kt913 {

const ControlSpec *FormDescription::find(const QString &controlName) const
{
    for (const ControlSpec &c : controls)
        if (c.name == controlName)
            return &c;
    return nullptr;
}

} // namespace kt913
