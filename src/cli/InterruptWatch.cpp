// SPDX-License-Identifier: GPL-3.0-or-later
#include "InterruptWatch.h"
#include <atomic>
#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <csignal>
#endif

namespace kt913::cli {

namespace {

std::atomic<bool> g_interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

#ifdef Q_OS_WIN
// Runs on a thread of its own that the console starts for the event.
BOOL WINAPI onConsoleEvent(DWORD event)
{
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        return FALSE;
    if (g_interrupted.exchange(true))
        return FALSE; // the second one: let the program end
    return TRUE;
}
#else
void onInterrupt(int)
{
    g_interrupted.store(true);
    std::signal(SIGINT, SIG_DFL); // a second Ctrl-C ends the program at once
}
#endif

} // namespace

InterruptWatch::InterruptWatch(QObject *parent) : QObject(parent)
{
    g_interrupted.store(false);
#ifdef Q_OS_WIN
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
#else
    std::signal(SIGINT, onInterrupt);
#endif
    m_poll.setInterval(100);
    connect(&m_poll, &QTimer::timeout, this, [this] {
        if (!g_interrupted.load())
            return;
        m_poll.stop();
        emit interrupted();
    });
    m_poll.start();
}

InterruptWatch::~InterruptWatch()
{
#ifdef Q_OS_WIN
    SetConsoleCtrlHandler(onConsoleEvent, FALSE);
#else
    std::signal(SIGINT, SIG_DFL);
#endif
}

} // namespace kt913::cli
