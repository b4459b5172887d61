// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Control names repeat from window to window: the channel editor has a Combo1 and a
// Label1 of its own, and so do the main window and the optional features window. Every
// lookup by name therefore stays inside one window: it never descends into another
// window that happens to sit among the children (an editor inside the main window's MDI
// area, the about box parented to the main window).
#include <QObject>
#include <QString>
#include <QWidget>

namespace kt913 {

// Marks `window` as a window of its own, so that lookups from its ancestors stop there.
void markAsWindow(QWidget *window);
bool isMarkedWindow(const QObject *object);

// The first object named `name` inside `window` (breadth first, `window` itself
// excluded), not looking into other marked windows. Null when there is none.
QObject *findControl(QWidget *window, const QString &name);

template <typename T>
T findControl(QWidget *window, const QString &name)
{
    return qobject_cast<T>(findControl(window, name));
}

} // namespace kt913
