// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/RecentFilesMenu.h"
#include "shell/SettingStore.h"
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace kt913 {

namespace {

constexpr int kWidestEntry = 480; // pixels

// One file, however it was named: relative, with "..", or (on Windows) in another case.
QString canonical(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool sameFile(const QString &a, const QString &b)
{
#ifdef Q_OS_WIN
    return a.compare(b, Qt::CaseInsensitive) == 0;
#else
    return a == b;
#endif
}

QStringList without(QStringList paths, const QString &path)
{
    paths.removeIf([&](const QString &p) { return sameFile(p, path); });
    return paths;
}

} // namespace

RecentFilesMenu::RecentFilesMenu(QMenu *menu, SettingStore &store, QObject *parent)
    : QObject(parent), m_menu(menu), m_store(store)
{
    refresh();
}

QStringList RecentFilesMenu::files() const
{
    return readRecentFiles(m_store);
}

void RecentFilesMenu::add(const QString &path)
{
    QStringList paths = without(files(), canonical(path));
    paths.prepend(canonical(path));
    storeRecentFiles(m_store, paths.mid(0, kRecentFileCount));
}

void RecentFilesMenu::remove(const QString &path)
{
    storeRecentFiles(m_store, without(files(), canonical(path)));
}

void RecentFilesMenu::refresh()
{
    m_menu->clear();
    const QStringList paths = files();
    for (int i = 0; i < paths.size(); ++i) {
        const QString shown = QDir::toNativeSeparators(paths[i]);
        // A deep folder shortens in the middle: the drive and the file name tell most.
        QString text = m_menu->fontMetrics().elidedText(shown, Qt::ElideMiddle, kWidestEntry);
        // An "&" of the name is the name's, not a mnemonic.
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto *a = m_menu->addAction(QStringLiteral("&%1 ").arg(i + 1) + text);
        a->setObjectName(QStringLiteral("MNRecent%1").arg(i + 1));
        a->setStatusTip(shown);
        connect(a, &QAction::triggered, this, [this, path = paths[i]] { emit chosen(path); });
    }
    m_menu->setEnabled(!paths.isEmpty());
}

} // namespace kt913
