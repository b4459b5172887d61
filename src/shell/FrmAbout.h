#pragma once
// The about window: title, version, copyright and a link to the program's own manual.
// A click on its background or its close box puts it away; it is kept for the next time.
#include <QDialog>
#include <QUrl>

class QLabel;

namespace kt913 {

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget *parent = nullptr);

    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblCopyR = nullptr;
    QLabel *Image1 = nullptr;

    // The manual the link opens: the README shipped with the program.
    static QUrl documentationUrl();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

} // namespace kt913
