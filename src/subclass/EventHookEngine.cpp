// SPDX-License-Identifier: GPL-3.0-or-later
#include "subclass/EventHookEngine.h"

#include "subclass/HookFilter.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QThread>
#include <algorithm>
#include <map>
#include <unordered_map>
#include <vector>

namespace kt913 {

namespace {

struct Hook {
    std::unique_ptr<HookFilter> filter;
    QMetaObject::Connection destroyedWatch;
    int attachments = 0;
    std::map<int, std::vector<EventHookClient *>> clients; // per event type, in attach order
};

// Filters only work for objects of the thread that installs them, and the engine's
// bookkeeping is not meant to be shared between threads.
bool belongsHere(const QObject *target)
{
    return target->thread() == QThread::currentThread();
}

} // namespace

struct EventHookEngine::State {
    std::unordered_map<const QObject *, Hook> hooks;
    // A filter taken off during a dispatch may still be running its eventFilter() further
    // up the stack, so it is only freed once no dispatch is in progress.
    std::vector<std::unique_ptr<HookFilter>> retired;
    int depth = 0;
    int currentMessage = 0;
    QObject watcher; // receiving end of the destroyed() connections

    void freeRetired()
    {
        if (depth == 0)
            retired.clear();
    }

    const std::vector<EventHookClient *> *clientsOf(const QObject *target, int msg) const
    {
        const auto hook = hooks.find(target);
        if (hook == hooks.end())
            return nullptr;
        const auto list = hook->second.clients.find(msg);
        return list == hook->second.clients.end() ? nullptr : &list->second;
    }

    bool isAttached(const QObject *target, int msg, const EventHookClient *client) const
    {
        const auto *list = clientsOf(target, msg);
        return list && std::find(list->begin(), list->end(), client) != list->end();
    }

    void unhook(QObject *target, bool windowAlive)
    {
        const auto it = hooks.find(target);
        if (it == hooks.end())
            return;
        Hook hook = std::move(it->second);
        hooks.erase(it);
        QObject::disconnect(hook.destroyedWatch);
        if (windowAlive)
            target->removeEventFilter(hook.filter.get());
        retired.push_back(std::move(hook.filter));
        freeRetired();
    }

    bool dispatch(QObject *target, QEvent *event);
};

// Returns true when the event must go no further, false to let the object's remaining
// filters and its event() handle it.
bool EventHookEngine::State::dispatch(QObject *target, QEvent *event)
{
    freeRetired();
    const int msg = event->type();
    const auto *attached = clientsOf(target, msg);
    if (!attached || attached->empty())
        return false;

    // Clients may attach, detach or even delete one another while being called, so the
    // walk goes over a copy and skips whoever is no longer attached when its turn comes.
    const std::vector<EventHookClient *> clients = *attached;
    const QPointer<QObject> window(target);
    const int outerMessage = currentMessage;
    ++depth;

    bool ownHandled = false;
    const EventHookClient *decider = nullptr;
    int decision = EventHookClient::Consume;
    for (std::size_t n = clients.size(); n-- > 0;) {
        EventHookClient *client = clients[n];
        if (!window || !isAttached(target, msg, client))
            continue;
        currentMessage = msg;
        int response = client->response();
        if (n == 0 && response == EventHookClient::PreProcess) {
            ownHandled = true;
            target->event(event);
            if (!window || !isAttached(target, msg, client))
                continue;
            currentMessage = msg;
        }
        decider = client;
        client->handleEvent(target, msg, event);
        // A client that detached in its own call may be gone; what it said before stands.
        decision = isAttached(target, msg, client) ? client->response() : response;
    }

    currentMessage = outerMessage;
    --depth;
    if (!window)
        return true; // a client destroyed the object: nothing may touch it any more
    if (ownHandled)
        return true; // the object has had it once; a second delivery would repeat its effect
    if (!decider)
        return false; // nobody was left to ask: as if the object had not been hooked
    return decision != EventHookClient::PostProcess;
}

EventHookEngine::EventHookEngine() : d(std::make_unique<State>()) {}

EventHookEngine::~EventHookEngine()
{
    for (auto &[target, hook] : d->hooks) {
        QObject::disconnect(hook.destroyedWatch);
        const_cast<QObject *>(target)->removeEventFilter(hook.filter.get());
    }
}

HookError EventHookEngine::attach(EventHookClient *client, QObject *target, int eventType)
{
    d->freeRetired();
    if (!target)
        return HookError::make(HookError::InvalidWindow);
    if (!belongsHere(target))
        return HookError::make(HookError::ExternalWindow);
    if (!client)
        return HookError::invalidArgument();
    if (d->isAttached(target, eventType, client))
        return HookError::make(HookError::AlreadyHandled);

    auto hook = d->hooks.find(target);
    if (hook == d->hooks.end()) {
        Hook fresh;
        State *state = d.get();
        fresh.filter = std::make_unique<HookFilter>(
            [state](QObject *watched, QEvent *event) { return state->dispatch(watched, event); });
        target->installEventFilter(fresh.filter.get());
        // The object may go without anyone detaching; its entry must not outlive it, or a
        // new object at the same address would inherit clients it never had.
        fresh.destroyedWatch = QObject::connect(target, &QObject::destroyed, &d->watcher,
                                                [state, target] { state->unhook(target, false); });
        hook = d->hooks.emplace(target, std::move(fresh)).first;
    }
    hook->second.clients[eventType].push_back(client);
    ++hook->second.attachments;
    return {};
}

void EventHookEngine::detach(EventHookClient *client, QObject *target, int eventType)
{
    d->freeRetired();
    if (!target || !client || !belongsHere(target))
        return;
    const auto hook = d->hooks.find(target);
    if (hook == d->hooks.end())
        return;
    auto &clients = hook->second.clients;
    const auto list = clients.find(eventType);
    if (list == clients.end())
        return;
    const auto entry = std::find(list->second.begin(), list->second.end(), client);
    if (entry == list->second.end())
        return;
    list->second.erase(entry);
    if (list->second.empty())
        clients.erase(list);
    if (--hook->second.attachments == 0)
        d->unhook(target, true);
}

int EventHookEngine::CurrentMessage() const
{
    return d->currentMessage;
}

qint32 EventHookEngine::callOriginalHandler(QObject *target, int eventType, QEvent *event)
{
    if (!target || !event || event->type() != eventType || !isHooked(target))
        return 0;
    return target->event(event) ? 1 : 0;
}

bool EventHookEngine::isHooked(const QObject *target) const
{
    return d->hooks.count(target) != 0;
}

int EventHookEngine::attachmentCount(const QObject *target) const
{
    const auto hook = d->hooks.find(target);
    return hook == d->hooks.end() ? 0 : hook->second.attachments;
}

int EventHookEngine::hookedWindowCount() const
{
    return int(d->hooks.size());
}

EventHookEngine &GSubclass()
{
    static EventHookEngine engine;
    return engine;
}

} // namespace kt913
