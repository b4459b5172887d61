// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/ProgressWindow.h"
#include "widgets/WindowScope.h"
#include "link/Transfer.h"
#include "widgets/Twips.h"
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace kt913 {

ProgressWindow::ProgressWindow(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FrmWriting"));
    markAsWindow(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(twips(5400), twips(1500));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(1, Transfer::kSteps);
    ProgressBar1->setValue(1);
    ProgressBar1->setTextVisible(false);
    // The bar is read out with the label's text ("Reading...") as its name, and its
    // value as it moves.
    Label1->setBuddy(ProgressBar1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ProgressBar1);
}

void ProgressWindow::setStep(int step)
{
    ProgressBar1->setValue(qBound(ProgressBar1->minimum(), step, ProgressBar1->maximum()));
}

void ProgressWindow::unload()
{
    m_unloading = true;
    close();
}

void ProgressWindow::closeEvent(QCloseEvent *event)
{
    if (m_unloading)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

void ProgressWindow::reject()
{
    if (m_unloading)
        QDialog::reject();
}

} // namespace kt913
