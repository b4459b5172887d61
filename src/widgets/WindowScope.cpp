// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/WindowScope.h"
#include <QQueue>

namespace kt913 {

namespace {
const char kWindowProperty[] = "kt913Window";
}

void markAsWindow(QWidget *window)
{
    window->setProperty(kWindowProperty, true);
}

bool isMarkedWindow(const QObject *object)
{
    return object && object->property(kWindowProperty).toBool();
}

QObject *findControl(QWidget *window, const QString &name)
{
    if (!window)
        return nullptr;
    QQueue<QObject *> pending;
    for (QObject *child : window->children())
        pending.enqueue(child);
    while (!pending.isEmpty()) {
        QObject *o = pending.dequeue();
        if (isMarkedWindow(o))
            continue;
        if (o->objectName() == name)
            return o;
        for (QObject *child : o->children())
            pending.enqueue(child);
    }
    return nullptr;
}

} // namespace kt913
