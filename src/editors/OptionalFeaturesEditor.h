// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The optional features window: radio-wide settings and the two VFO records. Every
// value lives in the model's options store; the window only shows it and takes the
// user's edits through the text-box rules of the core.
#include "image/ServiceModeGesture.h"
#include <QWidget>
#include <functional>

class QGroupBox;
class QRadioButton;
class QTabBar;

namespace kt913 {

class FormBinder;
class RadioModel;

class OptionalFeaturesEditor : public QWidget {
    Q_OBJECT
public:
    explicit OptionalFeaturesEditor(RadioModel &model, QWidget *parent = nullptr);

    // Puts every control to its "New" value; the password, both VFO frequencies and the
    // two hidden VOX boxes keep theirs.
    void StartForm();

    // The clock of the service-mode gestures: whole seconds since midnight. The system's
    // time of day unless a test gives its own.
    void setClock(std::function<int()> secondsOfDay);

    // 0: function settings, 1: the VFOs.
    int currentPage() const { return m_page; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Widgets and layout from the window's description (OptionalFeaturesLayout.cpp).
    void buildWidgets();
    QGroupBox *frame(const QString &name, QWidget *parent);
    void fillFrame(QGroupBox *box, const QString &frameName);

    // What the text boxes accept and what leaving them does (OptionalFeaturesRules.cpp).
    void installTextRules();
    // The hidden service modes switched on by caption clicks (OptionalFeaturesRules.cpp).
    void installServiceModes();
    void labelClicked(const QString &label);

    // Shows page 0 or 1; `focus` puts the cursor into the page's first box as a tab
    // click does.
    void showPage(int page, bool focus);

    RadioModel &m_model;
    FormBinder *m_binder = nullptr;
    QTabBar *TabStrip1 = nullptr;
    QGroupBox *Frame1 = nullptr, *Frame2 = nullptr, *Frame3 = nullptr, *Frame4 = nullptr, *Frame5 = nullptr;
    QRadioButton *Option1 = nullptr, *Option2 = nullptr, *Option3 = nullptr;
    int m_page = 0;

    ServiceModeGesture m_forceWriteGesture{kForceWriteLabels};
    ServiceModeGesture m_debugGesture{kDebugLabels};
    std::function<int()> m_clock;
};

} // namespace kt913
