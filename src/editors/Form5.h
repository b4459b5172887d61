#pragma once
// The FM radio channel window: the 25 broadcast channels and the FM radio's state.
#include <QWidget>

namespace kt913 {

class RadioModel;

class Form5 : public QWidget {
    Q_OBJECT
public:
    explicit Form5(RadioModel &model, QWidget *parent = nullptr);

private:
    RadioModel &m_model;
};

} // namespace kt913
