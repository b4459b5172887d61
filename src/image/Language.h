// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QtGlobal>

namespace kt913 {

// The interface language. The numeric values are what the settings store keeps for the
// two built-in languages. Translated is the English texts as the translation in use has
// them (a Qt translation file, see Translations.h); it is never stored as a number.
enum class Language : qint16 { Chinese = 0, English = 1, Translated = 2 };

// An English text marked for Qt's lupdate, which is told to read this macro as
// QT_TRANSLATE_NOOP, with the context its translations are filed under.
struct SourceText {
    const char *context;
    const char *en;
};
#define KT913_TR(context, text) ::kt913::SourceText{context, text}

// `en` as the translation in use has it under `context`; `en` itself where it has none.
QString translated(const char *context, const char *en);
QString translated(const QString &context, const QString &en);

// Picks the text of a built-in language; a translation is given the English. For the
// command-line tool and for texts no translation touches.
inline const char *pick(Language lang, const char *zh, const char *en)
{
    return lang == Language::Chinese ? zh : en;
}

// The same, as the text a message or caption shows (both texts are UTF-8).
inline QString textIn(Language lang, const char *zh, const char *en)
{
    return QString::fromUtf8(pick(lang, zh, en));
}

// The text in any language, the English translated where a translation is in use.
inline QString textIn(Language lang, const char *zh, SourceText en)
{
    if (lang == Language::Translated)
        return translated(en.context, en.en);
    return QString::fromUtf8(lang == Language::English ? en.en : zh);
}

// The same for texts held in tables; the context is the window's objectName.
inline QString textIn(Language lang, const QString &context, const QString &zh, const QString &en)
{
    if (lang == Language::Translated)
        return translated(context, en);
    return lang == Language::English ? en : zh;
}

} // namespace kt913
