// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns every vertical mouse-wheel event over one grid into a single MouseWheel signal
// and keeps the grid from scrolling by itself, so the owner can move the grid by exactly
// one row per event however large a step the device reports. Sideways turns still
// scroll the grid sideways.
//
// A QAbstractScrollArea (QTableView and friends) never sees the wheel over its cells:
// those events go to its viewport (the headers pass theirs on to it too) and, over the
// scroll bars, to the scroll bars. So for such a grid the hook sits on the viewport and
// both scroll bars, and on the grid widget itself, which gets the wheel over its frame.
// Scroll bars or a viewport set on the grid after HookGrid() are not hooked.
#include "subclass/EventHookClient.h"
#include "subclass/HookError.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace kt913 {

class EventHookEngine;

class GridWheelHook : public QObject, public EventHookClient {
    Q_OBJECT
public:
    explicit GridWheelHook(QObject *parent = nullptr); // uses the shared engine
    explicit GridWheelHook(EventHookEngine &engine, QObject *parent = nullptr);
    ~GridWheelHook() override; // lets go of the grid, if it still exists

    // Hooks the wheel of `grid`, first letting go of a grid hooked before. On an error
    // nothing stays hooked.
    HookError HookGrid(QWidget *grid);

    int response() const override { return Consume; }
    void setResponse(int) override {} // the grid must never scroll on its own
    qint32 handleEvent(QObject *target, int eventType, QEvent *event) override;

signals:
    // rotation: the vertical wheel distance, positive when the wheel turned away from the
    // user (eighths of a degree; small values from high-resolution devices). x, y: the
    // pointer's screen position, each as an unsigned 16-bit number.
    void MouseWheel(int rotation, int x, int y);

private:
    void release();

    EventHookEngine &m_engine;
    QPointer<QWidget> m_grid;
    QList<QPointer<QObject>> m_hooked; // everything attached for m_grid
};

} // namespace kt913
