// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the serial port: the port list ComboCom and status panel 1.
#include "link/PortNames.h"
#include "link/Transfer.h"
#include "shell/MainWindow.h"
#include "widgets/MessageBox.h"
#include "shell/PortList.h"
#include "shell/PortPathDialog.h"
#include "shell/SettingStore.h"
#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QShowEvent>
#include <QStatusBar>

namespace kt913 {

void MainWindow::showPortList()
{
    ComboCom->show();
    ComboCom->raise();
    ComboCom->setFocus(Qt::OtherFocusReason);
    ComboCom->showPopup();
}

void MainWindow::askOtherPort()
{
    // The dialog is named after the item that opened it, without its key and dots.
    QString title = action(QStringLiteral("MNOtherPort"))->text();
    title.remove(QRegularExpression(QStringLiteral("\\(&.\\)|&|\\.+$")));
    const QString path = PortPathDialog::ask(this, m_model.language(), title, readOtherPort(*m_settings));
    if (path.isEmpty())
        return;
    selectPort(path);
    // Kept only once it opened, as the port list keeps only the ports that open.
    if (m_transfer->port().isOpen())
        storeOtherPort(*m_settings, path);
}

void MainWindow::selectPort(const QString &port)
{
    int index = ComboCom->findText(port);
    const bool added = index < 0;
    if (added) {
        const QSignalBlocker quiet(ComboCom);
        ComboCom->addItem(port);
        index = ComboCom->count() - 1;
    }
    {
        const QSignalBlocker quiet(ComboCom);
        ComboCom->setCurrentIndex(index);
    }
    onPortChosen();
    // A port named on the command line that does not open is no port of this system:
    // it does not stay in the list as if it were one.
    if (added && !m_transfer->port().isOpen()) {
        const QSignalBlocker quiet(ComboCom);
        ComboCom->removeItem(ComboCom->findText(port));
        ComboCom->setCurrentIndex(-1);
    }
}

void MainWindow::showPortPanel()
{
    QString text = QStringLiteral("COM: ") + ComboCom->currentText();
    if (ComboCom->currentIndex() >= 0 && !m_transfer->port().isOpen())
        text += textIn(m_model.language(), "（已断开）", KT913_TR("MDIForm1", " (closed)"));
    m_panels[0]->setText(text);
}

namespace {
constexpr int kPortMessageMs = 20000;
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // A message put up before the window was first shown (the port of the last session
    // did not open at start-up) leaves the panels it stands for visible, and it is
    // drawn over them; put up again now, it hides them and runs its full time.
    // (The same text again would change nothing, so it is taken down first.)
    const QString message = StatusBar1->currentMessage();
    if (!event->spontaneous() && !message.isEmpty()) {
        StatusBar1->clearMessage();
        StatusBar1->showMessage(message, kPortMessageMs);
    }
}

void MainWindow::onPortChosen()
{
    if (ComboCom->currentIndex() >= 0) {
        const QString port = ComboCom->currentText();
        const PortOpenResult result = m_transfer->openPort(port);
        if (!m_transfer->port().isOpen()) {
            Message m = message(MessageId::PortUnavailable, m_model.language(), port);
            const QString why = describePortFailure(result, m_model.language());
            if (!why.isEmpty())
                m.text += QStringLiteral("\n\n") + why;
            MsgBox(this, m_model.language(), m);
            // The list shows no port now: the status bar still says which one failed.
            StatusBar1->showMessage(textIn(m_model.language(), "串行端口 %1 无法打开", KT913_TR("MDIForm1", "Serial port %1 could not be opened"))
                                        .arg(port),
                                    kPortMessageMs);
            const QSignalBlocker quiet(ComboCom);
            ComboCom->setCurrentIndex(-1);
        }
    }
    ComboCom->hide();
    showPortPanel();
    if (QMdiSubWindow *active = m_mdiArea->activeSubWindow())
        active->setFocus(Qt::OtherFocusReason);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The port list goes away when the user turns elsewhere (its own drop-down list
    // taking the focus does not count).
    if (watched == ComboCom && event->type() == QEvent::FocusOut) {
        const auto *focus = static_cast<QFocusEvent *>(event);
        if (focus->reason() != Qt::PopupFocusReason && !ComboCom->view()->isVisible())
            ComboCom->hide();
    }
    // Escape on the closed list leaves the port as it was, as turning away would.
    if (watched == ComboCom && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        if (QMdiSubWindow *active = m_mdiArea->activeSubWindow())
            active->setFocus(Qt::OtherFocusReason);
        ComboCom->hide();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace kt913
