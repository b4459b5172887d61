// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Makes the widgets of a window's value controls from its description and keeps each
// bound to its value in the window's store, both ways: the store's changes (decoding,
// New, the band list) show at once, and the user's edits go into the store through the
// store's own rules. The window arranges the widgets; the binder only makes and binds.
#include "image/ChannelEditRules.h"
#include "image/ControlDescription.h"
#include "image/Language.h"
#include <QHash>
#include <QObject>
#include <functional>

class QLabel;
class QWidget;

namespace kt913 {

class FormStore;

class FormBinder : public QObject {
    Q_OBJECT
public:
    // `language` tells which language typed list text is matched in.
    FormBinder(FormStore &store, std::function<Language()> language, QWidget *window);

    // The widget of control `name` (a QComboBox, FilteredLineEdit, QCheckBox or QSlider
    // named after the control), made on first use as a child of `parent`, with its
    // label (named after the label control, the control its buddy) when it has one.
    // Hidden and disabled as the description says.
    QWidget *widget(const QString &name, QWidget *parent = nullptr);
    QLabel *label(const QString &name) const; // null when the control has none
    // Every control of the description, made (parented to the window) and bound.
    void createAll(QWidget *parent);

    // Text boxes: the key filter and typing limit (the description's length when 0), a
    // correction applied as the user types, and one applied when the box is left or
    // Enter is pressed. Corrections take the text and return the text to keep.
    using Correction = std::function<QString(const QString &)>;
    void setKeyFilter(const QString &name, KeyFilter filter, int maxLength = 0);
    void setWhileTyping(const QString &name, Correction correction);
    void setOnLeave(const QString &name, Correction correction);

    // Sliders: what a move does instead of setting the store (the debug window's kept
    // alignment values go through the model).
    void setSliderMoved(const QString &name, std::function<void(int)> moved);

signals:
    // The user pressed Enter in a text box (after its correction).
    void enterPressed(const QString &name);
    // A text box lost the focus and its correction ran.
    void left(const QString &name);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showValue(const QString &name);
    void bind(const ControlDescription &c, QWidget *w);
    void leave(const QString &name);

    FormStore &m_store;
    std::function<Language()> m_language;
    QWidget *m_window;
    QHash<QString, QWidget *> m_widgets;
    QHash<QString, QLabel *> m_labels;
    QHash<QString, Correction> m_whileTyping, m_onLeave;
    QHash<QString, std::function<void(int)>> m_sliderMoved;
    bool m_showing = false;
};

} // namespace kt913
