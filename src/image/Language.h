// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QtGlobal>

namespace kt913 {

// The interface language. The numeric values are what the settings store keeps.
enum class Language : qint16 { Chinese = 0, English = 1 };

// Picks the text of the language in force.
inline const char *pick(Language lang, const char *zh, const char *en)
{
    return lang == Language::English ? en : zh;
}

// The same, as the text a message or caption shows (both texts are UTF-8).
inline QString textIn(Language lang, const char *zh, const char *en)
{
    return QString::fromUtf8(pick(lang, zh, en));
}

} // namespace kt913
