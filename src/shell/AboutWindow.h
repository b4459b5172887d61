// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about window: title, version, copyright and a link to the program's own manual.
// Its close box only hides it, keeping its texts; a click on its background unloads it,
// and the window made for the next time carries its design-time texts again.
#include <QDialog>
#include <QUrl>

class QLabel;

namespace kt913 {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);

    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblCopyR = nullptr;
    QLabel *Image1 = nullptr;

    // The manual the link opens: the README shipped with the program.
    static QUrl documentationUrl();

    // Whether a background click unloaded it (the owner then makes a new one).
    bool wasUnloaded() const { return m_unloaded; }

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    bool m_unloaded = false;
};

} // namespace kt913
