// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Help menu's page on working without a mouse: how the grids, their cell editors
// and the sliders answer the keyboard, in the program's language.
#include "image/Language.h"
#include <QDialog>

class QPlainTextEdit;

namespace kt913 {

class KeyboardHelp : public QDialog {
    Q_OBJECT
public:
    KeyboardHelp(Language lang, QWidget *parent = nullptr);

    // The page's text in a language (one line per key or group of keys).
    static QString text(Language lang);

private:
    QPlainTextEdit *TextKeys = nullptr;
};

} // namespace kt913
