// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small builders that keep the control tables readable.
#include "ControlDescription.h"

namespace kt913::build {

inline ControlDescription list(const char *name, const char *purpose, QStringList zh, QStringList en, int newIndex,
                        bool editable = false)
{
    ControlDescription c;
    c.name = QString::fromLatin1(name);
    c.kind = editable ? ControlKind::EditableList : ControlKind::List;
    c.purpose = QString::fromUtf8(purpose);
    c.itemsZh = std::move(zh);
    c.itemsEn = std::move(en);
    if (newIndex >= -1)
        c.newValue = QString::number(newIndex);
    return c;
}

inline ControlDescription text(const char *name, const char *purpose, int maxLength, const char *newText)
{
    ControlDescription c;
    c.name = QString::fromLatin1(name);
    c.kind = ControlKind::Text;
    c.purpose = QString::fromUtf8(purpose);
    c.maxLength = maxLength;
    if (newText)
        c.newValue = QString::fromUtf8(newText);
    c.initialValue = QStringLiteral("");
    return c;
}

inline ControlDescription check(const char *name, const char *purpose)
{
    ControlDescription c;
    c.name = QString::fromLatin1(name);
    c.kind = ControlKind::Check;
    c.purpose = QString::fromUtf8(purpose);
    c.initialValue = QStringLiteral("0");
    return c;
}

inline ControlDescription &labelled(ControlDescription &&c, const char *label, const char *zh, const char *en)
{
    c.label = QString::fromLatin1(label);
    c.captionZh = QString::fromUtf8(zh);
    c.captionEn = QString::fromUtf8(en ? en : zh);
    return c;
}

// A byte below `limit` decodes as itself, any other as `fallback`.
inline ControlDescription decoded(ControlDescription c, int limit, int fallback)
{
    c.decodeLimit = limit;
    c.decodeDefault = fallback;
    return c;
}

inline ControlDescription in(const char *parent, ControlDescription c)
{
    c.parent = QString::fromLatin1(parent);
    return c;
}

inline ElementDescription element(ElementDescription::Kind kind, const char *name, QStringList zh, QStringList en,
                                  const char *parent = "", bool hidden = false)
{
    ElementDescription e;
    e.kind = kind;
    e.name = QString::fromLatin1(name);
    e.zh = std::move(zh);
    e.en = std::move(en);
    e.parent = QString::fromLatin1(parent);
    e.hidden = hidden;
    return e;
}

inline ControlDescription hidden(ControlDescription c)
{
    c.hidden = true;
    return c;
}

// Items "<from>".."<to>" as plain numbers.
inline QStringList numbers(int from, int to)
{
    QStringList l;
    for (int i = from; i <= to; ++i)
        l << QString::number(i);
    return l;
}

inline QStringList utf8(std::initializer_list<const char *> items)
{
    QStringList l;
    for (const char *s : items)
        l << QString::fromUtf8(s);
    return l;
}

} // namespace kt913::build
