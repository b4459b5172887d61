// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame of an editor window inside the main window. Closing it only hides it: the
// editors are made once at start-up and keep their contents until the program ends.
#include "widgets/AppIcon.h"
#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QStyle>
#include <QMdiSubWindow>

namespace kt913 {

class ChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit ChildFrame(QWidget *form, QWidget *parent = nullptr) : QMdiSubWindow(parent)
    {
        setAttribute(Qt::WA_DeleteOnClose, false);
        const QSize designed = form->size();
        setWidget(form);
        // The frame takes the window's designed size plus its own title bar and border.
        const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
        const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
        resize(designed.width() + 2 * border, designed.height() + title + border);
        setObjectName(form->objectName() + QStringLiteral("Frame"));
        setWindowIcon(appIcon());
        // Ctrl+W is the main window's "write to radio"; the frame's own menu must not
        // claim it for closing.
        const QKeySequence ctrlW(Qt::CTRL | Qt::Key_W);
        for (QAction *action : systemMenu()->actions()) {
            QList<QKeySequence> keys = action->shortcuts();
            if (keys.removeAll(ctrlW) > 0)
                action->setShortcuts(keys);
        }
    }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        event->ignore();
        hide();
    }
};

} // namespace kt913
