// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Swallows mouse-wheel events of the widgets it watches, so turning the wheel over the
// band list cannot change the band by accident.
#include <QEvent>
#include <QObject>

namespace kt913 {

class WheelBlocker : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Wheel) {
            event->accept();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace kt913
