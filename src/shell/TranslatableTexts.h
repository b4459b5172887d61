// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The English texts the program's tables hold (captions, lists, messages), each with the
// context a translation files it under. lupdate cannot read them from the tables, so
// they are written out as a source file it can read; the texts written in the code
// itself it finds there (KT913_TR).
#include <QList>
#include <QString>

namespace kt913 {

struct TranslatableText {
    QString context; // the window's objectName, or "MsgBox" for the messages
    QString source;  // the English text
    QString where;   // the control that shows it, for the translator
};

// Every text once per context, in the order of the tables.
QList<TranslatableText> translatableTexts();

// The texts as a C++ file of QT_TRANSLATE_NOOP lines, each after a "//:" comment that
// tells the translator the control. False when the file cannot be written.
bool writeTranslatableTexts(const QString &path);

} // namespace kt913
