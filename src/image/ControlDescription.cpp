// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlDescription.h"

namespace kt913 {

namespace {

QStringList translatedList(const QString &context, const QStringList &en)
{
    QStringList out;
    out.reserve(en.size());
    for (const QString &text : en)
        out << translated(context, text);
    return out;
}

} // namespace

QString FormDescription::windowCaption(Language lang) const
{
    if (!captionTranslated)
        return captionZh;
    return textIn(lang, name, captionZh, captionEn);
}

QString FormDescription::caption(const ControlDescription &c, Language lang) const
{
    return textIn(lang, name, c.captionZh, c.captionEn);
}

QStringList FormDescription::items(const ControlDescription &c, Language lang) const
{
    if (lang != Language::Translated || c.itemsEn.isEmpty())
        return c.items(lang == Language::English);
    return translatedList(name, c.itemsEn);
}

QStringList FormDescription::texts(const ElementDescription &e, Language lang) const
{
    if (lang != Language::Translated || e.en.isEmpty() || !e.translated)
        return e.texts(lang != Language::Chinese);
    return translatedList(name, e.en);
}

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
