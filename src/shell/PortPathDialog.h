// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Asks for a serial device the port list does not show: an adapter with an unusual name,
// a pseudo-terminal. The dialog speaks the program's language, not the desktop's.
#include "image/Language.h"
#include <QDialog>

class QLineEdit;

namespace kt913 {

class PortPathDialog : public QDialog {
    Q_OBJECT
public:
    // `title` is the menu item's caption; the box starts with `path`, all of it selected.
    PortPathDialog(Language lang, const QString &title, const QString &path, QWidget *parent = nullptr);

    // What the user typed, without surrounding blanks.
    QString path() const;

    // Runs the dialog; an empty text when the user cancelled or typed nothing.
    static QString ask(QWidget *owner, Language lang, const QString &title, const QString &path);

private:
    QLineEdit *m_path = nullptr;
};

} // namespace kt913
