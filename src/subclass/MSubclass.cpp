// SPDX-License-Identifier: GPL-3.0-or-later
#include "subclass/MSubclass.h"

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
    std::map<int, std::vector<ISubclass *>> clients; // per event type, in attach order
};

// Filters only work for objects of the thread that installs them, and the engine's
// bookkeeping is not meant to be shared between threads.
bool belongsHere(const QObject *hwnd)
{
    return hwnd->thread() == QThread::currentThread();
}

} // namespace

struct MSubclass::State {
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

    const std::vector<ISubclass *> *clientsOf(const QObject *hwnd, int msg) const
    {
        const auto hook = hooks.find(hwnd);
        if (hook == hooks.end())
            return nullptr;
        const auto list = hook->second.clients.find(msg);
        return list == hook->second.clients.end() ? nullptr : &list->second;
    }

    bool isAttached(const QObject *hwnd, int msg, const ISubclass *client) const
    {
        const auto *list = clientsOf(hwnd, msg);
        return list && std::find(list->begin(), list->end(), client) != list->end();
    }

    void unhook(QObject *hwnd, bool windowAlive)
    {
        const auto it = hooks.find(hwnd);
        if (it == hooks.end())
            return;
        Hook hook = std::move(it->second);
        hooks.erase(it);
        QObject::disconnect(hook.destroyedWatch);
        if (windowAlive)
            hwnd->removeEventFilter(hook.filter.get());
        retired.push_back(std::move(hook.filter));
        freeRetired();
    }

    bool dispatch(QObject *hwnd, QEvent *event);
};

// Returns true when the event must go no further, false to let the object's remaining
// filters and its event() handle it.
bool MSubclass::State::dispatch(QObject *hwnd, QEvent *event)
{
    freeRetired();
    const int msg = event->type();
    const auto *attached = clientsOf(hwnd, msg);
    if (!attached || attached->empty())
        return false;

    // Clients may attach, detach or even delete one another while being called, so the
    // walk goes over a copy and skips whoever is no longer attached when its turn comes.
    const std::vector<ISubclass *> clients = *attached;
    const QPointer<QObject> window(hwnd);
    const int outerMessage = currentMessage;
    ++depth;

    bool ownHandled = false;
    const ISubclass *decider = nullptr;
    int decision = ISubclass::Consume;
    for (std::size_t n = clients.size(); n-- > 0;) {
        ISubclass *client = clients[n];
        if (!window || !isAttached(hwnd, msg, client))
            continue;
        currentMessage = msg;
        int response = client->MsgResponse();
        if (n == 0 && response == ISubclass::PreProcess) {
            ownHandled = true;
            hwnd->event(event);
            if (!window || !isAttached(hwnd, msg, client))
                continue;
            currentMessage = msg;
        }
        decider = client;
        client->WindowProc(hwnd, msg, event);
        // A client that detached in its own call may be gone; what it said before stands.
        decision = isAttached(hwnd, msg, client) ? client->MsgResponse() : response;
    }

    currentMessage = outerMessage;
    --depth;
    if (!window)
        return true; // a client destroyed the object: nothing may touch it any more
    if (ownHandled)
        return true; // the object has had it once; a second delivery would repeat its effect
    if (!decider)
        return false; // nobody was left to ask: as if the object had not been hooked
    return decision != ISubclass::PostProcess;
}

MSubclass::MSubclass() : d(std::make_unique<State>()) {}

MSubclass::~MSubclass()
{
    for (auto &[hwnd, hook] : d->hooks) {
        QObject::disconnect(hook.destroyedWatch);
        const_cast<QObject *>(hwnd)->removeEventFilter(hook.filter.get());
    }
}

SubclassError MSubclass::AttachMessage(ISubclass *client, QObject *hwnd, int iMsg)
{
    d->freeRetired();
    if (!hwnd)
        return SubclassError::make(SubclassError::InvalidWindow);
    if (!belongsHere(hwnd))
        return SubclassError::make(SubclassError::ExternalWindow);
    if (!client)
        return SubclassError::invalidArgument();
    if (d->isAttached(hwnd, iMsg, client))
        return SubclassError::make(SubclassError::AlreadyHandled);

    auto hook = d->hooks.find(hwnd);
    if (hook == d->hooks.end()) {
        Hook fresh;
        State *state = d.get();
        fresh.filter = std::make_unique<HookFilter>(
            [state](QObject *watched, QEvent *event) { return state->dispatch(watched, event); });
        hwnd->installEventFilter(fresh.filter.get());
        // The object may go without anyone detaching; its entry must not outlive it, or a
        // new object at the same address would inherit clients it never had.
        fresh.destroyedWatch = QObject::connect(hwnd, &QObject::destroyed, &d->watcher,
                                                [state, hwnd] { state->unhook(hwnd, false); });
        hook = d->hooks.emplace(hwnd, std::move(fresh)).first;
    }
    hook->second.clients[iMsg].push_back(client);
    ++hook->second.attachments;
    return {};
}

void MSubclass::DetachMessage(ISubclass *client, QObject *hwnd, int iMsg)
{
    d->freeRetired();
    if (!hwnd || !client || !belongsHere(hwnd))
        return;
    const auto hook = d->hooks.find(hwnd);
    if (hook == d->hooks.end())
        return;
    auto &clients = hook->second.clients;
    const auto list = clients.find(iMsg);
    if (list == clients.end())
        return;
    const auto entry = std::find(list->second.begin(), list->second.end(), client);
    if (entry == list->second.end())
        return;
    list->second.erase(entry);
    if (list->second.empty())
        clients.erase(list);
    if (--hook->second.attachments == 0)
        d->unhook(hwnd, true);
}

int MSubclass::CurrentMessage() const
{
    return d->currentMessage;
}

qint32 MSubclass::CallOldWindowProc(QObject *hwnd, int iMsg, QEvent *event)
{
    if (!hwnd || !event || event->type() != iMsg || !isHooked(hwnd))
        return 0;
    return hwnd->event(event) ? 1 : 0;
}

bool MSubclass::isHooked(const QObject *hwnd) const
{
    return d->hooks.count(hwnd) != 0;
}

int MSubclass::attachmentCount(const QObject *hwnd) const
{
    const auto hook = d->hooks.find(hwnd);
    return hook == d->hooks.end() ? 0 : hook->second.attachments;
}

int MSubclass::clientCount(const QObject *hwnd, int iMsg) const
{
    const auto *list = d->clientsOf(hwnd, iMsg);
    return list ? int(list->size()) : 0;
}

int MSubclass::hookedWindowCount() const
{
    return int(d->hooks.size());
}

MSubclass &GSubclass()
{
    static MSubclass engine;
    return engine;
}

} // namespace kt913
