// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an object must offer to be told about the events of a window it attaches to.
#include <QtGlobal>

class QEvent;
class QObject;

namespace kt913 {

class EventHookClient {
public:
    // How the window's own handling of an attached event relates to the clients. Only the
    // first client attached to an event decides it, for all clients of that event.
    enum Response : int {
        Consume = 0,     // the window never sees the event
        PostProcess = 1, // the window handles it after the clients
        PreProcess = 2,  // the window handles it before the first client
    };

    virtual ~EventHookClient() = default;

    virtual int response() const = 0;
    virtual void setResponse(int response) = 0;

    // Called for each attached event of `target`; `event` carries the event's own data.
    virtual qint32 handleEvent(QObject *target, int eventType, QEvent *event) = 0;
};

} // namespace kt913
