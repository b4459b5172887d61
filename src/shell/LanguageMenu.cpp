// SPDX-License-Identifier: GPL-3.0-or-later
// The languages beyond the two built in: each installed translation file is an item of
// the language menu, under its own name.
#include "image/Translations.h"
#include "shell/MainWindow.h"
#include <QAction>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QMenu>
#include <QTranslator>

namespace kt913 {

void MainWindow::addTranslations(QMenu *language)
{
    for (const InstalledTranslation &t : installedTranslations()) {
        const QByteArray name = "MNTranslation_" + t.locale.toLatin1();
        QAction *a = addAction(language, name.constData());
        // A language is named in itself, whatever the language in force: no caption table
        // touches it.
        a->setText(t.ownName);
        const QString locale = t.locale;
        connect(a, &QAction::triggered, this, [this, locale] { setTranslation(locale); });
    }
}

bool MainWindow::setTranslation(const QString &locale)
{
    if (!useTranslation(locale))
        return false;
    setLanguage(Language::Translated);
    return true;
}

void MainWindow::useQtTexts()
{
    // The file dialogs are Qt's: give them the program's language too, where the system
    // has Qt's texts for it installed. Without them they simply stay in English.
    const QString locale = m_model.language() == Language::Chinese      ? QStringLiteral("zh_CN")
                           : m_model.language() == Language::Translated ? translationInUse()
                                                                      : QString();
    if (locale == m_qtTextsLocale)
        return;
    if (m_qtTexts) {
        QCoreApplication::removeTranslator(m_qtTexts);
        delete m_qtTexts;
        m_qtTexts = nullptr;
    }
    m_qtTextsLocale = locale;
    if (locale.isEmpty())
        return;
    m_qtTexts = new QTranslator(this);
    if (m_qtTexts->load(QStringLiteral("qtbase_") + locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(m_qtTexts);
}

} // namespace kt913
