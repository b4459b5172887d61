// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The DTMF window: the DTMF rate, the first-digit delay and the ANI codes. Its values
// are not in the radio's memory; they live as long as the program runs. Nothing in the
// menus reaches it.
#include <QWidget>

namespace kt913 {

class FormBinder;
class RadioModel;

class DtmfEditor : public QWidget {
    Q_OBJECT
public:
    explicit DtmfEditor(RadioModel &model, QWidget *parent = nullptr);

    // Rate, delay, ANI and the hidden codes to their start values; the ANI end code
    // keeps what it holds.
    void StartForm();

private:
    RadioModel &m_model;
    FormBinder *m_binder = nullptr;
};

} // namespace kt913
