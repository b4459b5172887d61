#pragma once
// The channel editor window: the 128 memory channels in the grids of groups A and B.
#include <QWidget>

namespace kt913 {

class RadioModel;

class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(RadioModel &model, QWidget *parent = nullptr);

    // Takes over an edit still open in a grid cell, as when the cell loses the focus;
    // the read and write commands call it before a transfer starts.
    void commitPendingEdit();

private:
    RadioModel &m_model;
};

} // namespace kt913
