// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lets clients intercept chosen events of objects on the GUI thread. A client attaches to
// an (object, event type) pair; the first attach to an object puts one event filter on it,
// the last detach (or the object's destruction) takes it off again, so an object that no
// longer has clients carries nothing of the engine.
//
// An attached event goes to its clients from the last attached down to the first. The
// first attached client's response decides the object's own handling: Consume keeps
// it from the object, PostProcess lets the object (its older filters and its event())
// handle it after the clients, PreProcess hands it to the object's event() just before
// the first client is called.
//
// The engine keeps no ownership of clients; a client must detach before it is destroyed.
#include "subclass/EventHookClient.h"
#include "subclass/HookError.h"

#include <memory>

class QEvent;
class QObject;

namespace kt913 {

class EventHookEngine {
public:
    EventHookEngine();
    ~EventHookEngine(); // takes its filters off every object still hooked
    EventHookEngine(const EventHookEngine &) = delete;
    EventHookEngine &operator=(const EventHookEngine &) = delete;

    // Fails with InvalidWindow for a null object (a QPointer whose object is gone reads as
    // null), ExternalWindow for an object of another thread, AlreadyHandled when the client
    // is attached to that event already, InvalidArgument for a null client.
    HookError attach(EventHookClient *client, QObject *target, int eventType);
    // Silent when the client is not attached there.
    void detach(EventHookClient *client, QObject *target, int eventType);

    // The event type being dispatched by the innermost dispatch in progress; 0 outside any.
    int CurrentMessage() const;

    // Hands `event` straight to the object's own event() and returns 1 when that handled
    // it. Returns 0 without delivering when the object is not hooked here or the event is
    // not of type eventType.
    qint32 callOriginalHandler(QObject *target, int eventType, QEvent *event);

    bool isHooked(const QObject *target) const;
    int attachmentCount(const QObject *target) const;
    int hookedWindowCount() const;

private:
    struct State;
    std::unique_ptr<State> d;
};

// The engine the application shares.
EventHookEngine &GSubclass();

} // namespace kt913
