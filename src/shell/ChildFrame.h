#pragma once
// The frame of an editor window inside the main window. Closing it only hides it: the
// editors are made once at start-up and keep their contents until the program ends.
#include <QCloseEvent>
#include <QMdiSubWindow>

namespace kt913 {

class ChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit ChildFrame(QWidget *form, QWidget *parent = nullptr) : QMdiSubWindow(parent)
    {
        setAttribute(Qt::WA_DeleteOnClose, false);
        setWidget(form);
        setObjectName(form->objectName() + QStringLiteral("Frame"));
    }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        event->ignore();
        hide();
    }
};

} // namespace kt913
