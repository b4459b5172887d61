// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ctrl-C as an event on the event loop: the first one is caught and reported through
// interrupted(); a second one ends the program the usual way. The handler only sets a
// flag (all a signal handler may do); a timer on the loop looks at it.
#include <QObject>
#include <QTimer>

namespace kt913::cli {

class InterruptWatch : public QObject {
    Q_OBJECT
public:
    explicit InterruptWatch(QObject *parent = nullptr);
    ~InterruptWatch() override; // the usual Ctrl-C handling comes back

signals:
    void interrupted();

private:
    QTimer m_poll;
};

} // namespace kt913::cli
