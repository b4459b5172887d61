#pragma once
// The optional features window: radio-wide settings and the two VFO records.
#include <QWidget>

namespace kt913 {

class RadioModel;

class Form3 : public QWidget {
    Q_OBJECT
public:
    explicit Form3(RadioModel &model, QWidget *parent = nullptr);

private:
    RadioModel &m_model;
};

} // namespace kt913
