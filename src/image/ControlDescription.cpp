// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlDescription.h"

namespace kt913 {

const ControlDescription *FormDescription::find(const QString &controlName) const
{
    for (const ControlDescription &c : controls)
        if (c.name == controlName)
            return &c;
    return nullptr;
}

const ElementDescription *FormDescription::findElement(const QString &elementName) const
{
    for (const ElementDescription &e : elements)
        if (e.name == elementName)
            return &e;
    return nullptr;
}

std::vector<const ControlDescription *> FormDescription::controlsIn(const QString &parent) const
{
    std::vector<const ControlDescription *> found;
    for (const ControlDescription &c : controls)
        if (c.parent == parent)
            found.push_back(&c);
    return found;
}

std::vector<const ElementDescription *> FormDescription::elementsIn(const QString &parent) const
{
    std::vector<const ElementDescription *> found;
    for (const ElementDescription &e : elements)
        if (e.parent == parent)
            found.push_back(&e);
    return found;
}

} // namespace kt913
