// SPDX-License-Identifier: GPL-3.0-or-later
#include "subclass/GridWheelHook.h"

#include "subclass/EventHookEngine.h"

#include <QAbstractScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

namespace kt913 {

namespace {

// The widgets that receive the wheel for `grid`, the grid itself first so that an
// invalid or foreign grid is refused before anything else is touched.
QList<QObject *> wheelReceivers(QWidget *grid)
{
    QList<QObject *> receivers{grid};
    if (auto *area = qobject_cast<QAbstractScrollArea *>(grid)) {
        for (QObject *part : {static_cast<QObject *>(area->viewport()),
                              static_cast<QObject *>(area->verticalScrollBar()),
                              static_cast<QObject *>(area->horizontalScrollBar())}) {
            if (part && !receivers.contains(part))
                receivers.append(part);
        }
    }
    return receivers;
}

} // namespace

GridWheelHook::GridWheelHook(QObject *parent) : GridWheelHook(GSubclass(), parent) {}

GridWheelHook::GridWheelHook(EventHookEngine &engine, QObject *parent) : QObject(parent), m_engine(engine) {}

GridWheelHook::~GridWheelHook()
{
    release();
}

void GridWheelHook::release()
{
    for (const QPointer<QObject> &part : std::as_const(m_hooked)) {
        if (part)
            m_engine.detach(this, part, QEvent::Wheel);
    }
    m_hooked.clear();
    m_grid = nullptr;
}

HookError GridWheelHook::HookGrid(QWidget *grid)
{
    // Keeping an earlier grid attached would leave it calling a hook that no longer
    // remembers it, and nothing would detach it when this object goes.
    release();
    if (!grid)
        return m_engine.attach(this, grid, QEvent::Wheel);
    for (QObject *part : wheelReceivers(grid)) {
        const HookError error = m_engine.attach(this, part, QEvent::Wheel);
        if (!error.ok()) {
            release();
            return error;
        }
        m_hooked.append(part);
    }
    m_grid = grid;
    return {};
}

qint32 GridWheelHook::handleEvent(QObject *target, int eventType, QEvent *event)
{
    if (eventType != QEvent::Wheel || !event || event->type() != QEvent::Wheel)
        return 0;
    auto *wheel = static_cast<QWheelEvent *>(event);
    // Accepted, so that Qt does not offer it to the grid's parents either.
    wheel->accept();
    int rotation = wheel->angleDelta().y();
    if (rotation == 0)
        rotation = wheel->pixelDelta().y();
    // No vertical turn (a sideways tilt or swipe, the end of a touchpad gesture): the
    // owner reads any rotation below 1 as a turn towards the user, so none is reported.
    // The grid scrolls sideways by it as it would unhooked, through its horizontal bar.
    if (rotation == 0) {
        auto *area = qobject_cast<QAbstractScrollArea *>(m_grid.data());
        m_engine.callOriginalHandler(area ? area->horizontalScrollBar() : target, eventType, event);
        return 0;
    }
    const QPoint at = wheel->globalPosition().toPoint();
    emit MouseWheel(rotation, quint16(at.x()), quint16(at.y()));
    return 0; // nothing may follow the emit: a receiver may have destroyed this hook
}

} // namespace kt913
