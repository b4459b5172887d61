#pragma once
// The DTMF window: autodial memories and the DTMF signalling options.
#include <QWidget>

namespace kt913 {

class RadioModel;

class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(RadioModel &model, QWidget *parent = nullptr);

private:
    RadioModel &m_model;
};

} // namespace kt913
