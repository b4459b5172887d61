// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The progress window of a read or write: a label and a progress bar, no buttons. It
// exists only while a transfer runs; the user cannot close or cancel it.
#include <QDialog>

class QLabel;
class QProgressBar;

namespace kt913 {

class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;

    void setStep(int step);
    // Closes the window for good (the transfer ended); the user's own close requests
    // are refused.
    void unload();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override; // Escape does nothing

private:
    bool m_unloading = false;
};

} // namespace kt913
