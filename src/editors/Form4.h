#pragma once
// The debug information window: the alignment values of the radio's service mode.
#include <QWidget>

namespace kt913 {

class RadioModel;

class Form4 : public QWidget {
    Q_OBJECT
public:
    explicit Form4(RadioModel &model, QWidget *parent = nullptr);

private:
    RadioModel &m_model;
};

} // namespace kt913
