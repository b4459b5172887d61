// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The event filter put on one hooked object: it only hands each event to the engine,
// which keeps all the bookkeeping. One filter per object keeps removal exact: taking it
// off leaves the object's filter chain as it was before the first attach.
#include <QObject>
#include <functional>

namespace kt913 {

class HookFilter : public QObject {
public:
    // Returns true when the event has been dealt with and must go no further.
    using Dispatcher = std::function<bool(QObject *watched, QEvent *event)>;

    explicit HookFilter(Dispatcher dispatch) : m_dispatch(std::move(dispatch)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override { return m_dispatch(watched, event); }

private:
    Dispatcher m_dispatch;
};

} // namespace kt913
