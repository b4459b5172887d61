#include "ControlDescription.h"

namespace kt913 {

const ControlDescription *FormDescription::find(const QString &controlName) const
{
    for (const ControlDescription &c : controls)
        if (c.name == controlName)
            return &c;
    return nullptr;
}

} // namespace kt913
