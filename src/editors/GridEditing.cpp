// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/GridEditing.h"
#include <QAbstractScrollArea>
#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>

namespace kt913 {

bool typesCharacter(const QKeyEvent *event)
{
    // Shift and the keypad are part of typing; the others make shortcuts.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

void typeInto(QWidget *editor, const QKeyEvent *event)
{
    QKeyEvent key(QEvent::KeyPress, event->key(), event->modifiers(), event->text(), event->isAutoRepeat(),
                  ushort(event->count()));
    QApplication::sendEvent(editor, &key);
}

void onUserScroll(QAbstractScrollArea *area, const std::function<void()> &scrolled)
{
    // A scroll bar reports the user's actions before its value changes; a view that
    // scrolls itself only sets the value.
    for (QScrollBar *bar : {area->verticalScrollBar(), area->horizontalScrollBar()})
        QObject::connect(bar, &QAbstractSlider::actionTriggered, area, [scrolled] { scrolled(); });
}

} // namespace kt913
