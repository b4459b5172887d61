// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The debug information window: the radio's alignment values as sliders, one frame per
// power grade of each band group. A slider moves only in the debug mode, and its move
// is the alignment value the next write with the debug blocks sends.
#include <QWidget>
#include <array>

class QSlider;
class QTabWidget;

namespace kt913 {

class FormBinder;
class RadioModel;

class DebugEditor : public QWidget {
    Q_OBJECT
public:
    explicit DebugEditor(RadioModel &model, QWidget *parent = nullptr);

    QSlider *slider(int i) const { return Slider1[std::size_t(i)]; }

private:
    void setSlidersEnabled(bool enabled);

    RadioModel &m_model;
    FormBinder *m_binder = nullptr;
    QTabWidget *SSTab1 = nullptr;
    std::array<QSlider *, 18> Slider1{};
};

} // namespace kt913
