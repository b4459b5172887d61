// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The languages beyond Chinese and English: Qt translation files kt913_<locale>.qm in the
// program's translations folder. One of them is in use at a time; Language::Translated
// means that one.
#include <QList>
#include <QString>
#include <QStringList>

namespace kt913 {

struct InstalledTranslation {
    QString locale;    // "de": the part of the file name after "kt913_"
    QString ownName;   // the language's name in itself ("Deutsch"), what the menu shows
    QString path;
};

// Where translation files are looked for, first found first: next to the program
// (translations/, as the build leaves them) and in ../share/kt913/translations (installed).
QStringList translationFolders();
// Replaces that list (tests, and a program run from somewhere else).
void setTranslationFolders(const QStringList &folders);

// Every installed translation once, sorted by locale.
QList<InstalledTranslation> installedTranslations();

// Loads the translation of `locale` and puts it in force in place of the one before.
// False, and the one before stays, when there is no such file or it cannot be read.
bool useTranslation(const QString &locale);
// The locale of the translation in use; empty when none is.
QString translationInUse();

// Whether a text names a translation (letters, digits and "_", starting with a letter),
// as the settings store keeps it; the built-in languages are kept as numbers.
bool isTranslationName(const QString &text);

} // namespace kt913
