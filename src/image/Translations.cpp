// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translations.h"
#include "Language.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <algorithm>
#include <memory>

namespace kt913 {

namespace {

const QLatin1String kPrefix("kt913_");
const QLatin1String kSuffix(".qm");

QStringList &folderOverride()
{
    static QStringList folders;
    return folders;
}

struct InUse {
    std::unique_ptr<QTranslator> translator;
    QString locale;
};

InUse &inUse()
{
    static InUse state;
    return state;
}

} // namespace

QString translated(const char *context, const char *en)
{
    return QCoreApplication::translate(context, en);
}

QString translated(const QString &context, const QString &en)
{
    if (en.isEmpty())
        return en;
    return QCoreApplication::translate(context.toUtf8().constData(), en.toUtf8().constData());
}

QStringList translationFolders()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    const QString app = QCoreApplication::applicationDirPath();
    return {app + QStringLiteral("/translations"), app + QStringLiteral("/../share/kt913/translations")};
}

void setTranslationFolders(const QStringList &folders)
{
    folderOverride() = folders;
}

bool isTranslationName(const QString &text)
{
    static const QRegularExpression name(QStringLiteral("^[A-Za-z][A-Za-z0-9_]{0,31}$"));
    return name.match(text).hasMatch();
}

QList<InstalledTranslation> installedTranslations()
{
    QList<InstalledTranslation> found;
    QStringList seen;
    for (const QString &folder : translationFolders()) {
        const QDir dir(folder);
        const QStringList files = dir.entryList({kPrefix + QLatin1Char('*') + kSuffix}, QDir::Files, QDir::Name);
        for (const QString &file : files) {
            const QString locale = file.mid(kPrefix.size(), file.size() - kPrefix.size() - kSuffix.size());
            if (!isTranslationName(locale) || seen.contains(locale))
                continue;
            seen << locale;
            QString ownName = QLocale(locale).nativeLanguageName();
            if (ownName.isEmpty())
                ownName = locale;
            else
                ownName[0] = ownName[0].toUpper(); // "français" heads a menu item as "Français"
            found.push_back({locale, ownName, QFileInfo(dir.filePath(file)).absoluteFilePath()});
        }
    }
    std::sort(found.begin(), found.end(),
              [](const InstalledTranslation &a, const InstalledTranslation &b) { return a.locale < b.locale; });
    return found;
}

bool useTranslation(const QString &locale)
{
    InUse &state = inUse();
    if (locale == state.locale && state.translator)
        return true;
    for (const InstalledTranslation &t : installedTranslations()) {
        if (t.locale != locale)
            continue;
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(t.path))
            return false;
        if (state.translator)
            QCoreApplication::removeTranslator(state.translator.get());
        QCoreApplication::installTranslator(translator.get());
        state.translator = std::move(translator);
        state.locale = locale;
        return true;
    }
    return false;
}

QString translationInUse()
{
    return inUse().locale;
}

} // namespace kt913
