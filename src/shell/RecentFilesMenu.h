// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File › Recent Files: the data files last opened or saved, newest first. The list lives
// in the settings store, so the next run offers it too, and is read afresh each time the
// File menu opens, so that a second instance's files show as well.
#include <QObject>
#include <QStringList>

class QMenu;

namespace kt913 {

class SettingStore;

class RecentFilesMenu : public QObject {
    Q_OBJECT
public:
    // Fills `menu` (not owned) with one entry per file, "&1" to "&8".
    RecentFilesMenu(QMenu *menu, SettingStore &store, QObject *parent = nullptr);

    QStringList files() const;
    // The file goes to the top; beyond eight the oldest goes.
    void add(const QString &path);
    void remove(const QString &path);
    // The entries as the store has them; the menu is greyed while there are none.
    void refresh();

signals:
    void chosen(const QString &path);

private:
    QMenu *m_menu;
    SettingStore &m_store;
};

} // namespace kt913
