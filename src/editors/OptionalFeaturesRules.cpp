// SPDX-License-Identifier: GPL-3.0-or-later
// What the optional features window's text boxes accept and do when left, and the
// caption clicks that switch the hidden service modes on. The rules themselves are the
// core's; this file only attaches them to the boxes and labels.
#include "editors/OptionalFeaturesEditor.h"
#include "image/ChannelEditRules.h"
#include "image/FieldRules.h"
#include "image/RadioModel.h"
#include "image/WindowControls.h"
#include "widgets/FormBinder.h"
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace kt913 {

void OptionalFeaturesEditor::installTextRules()
{
    using namespace OptionsControls;
    FormBinder &b = *m_binder;
    // Channel numbers: never above 64, even for a moment; tidied up when left.
    for (const ControlKey key : {Text6, Text2}) {
        const QString n = key.objectName();
        b.setKeyFilter(n, digitKey, kChannelNumberBoxLength);
        b.setWhileTyping(n, channelNumberWhileTyping);
        b.setOnLeave(n, channelNumberOnLeave);
    }
    // VFO frequencies: checked against the band in force when the box is left.
    for (const ControlKey key : {Text20, Text3}) {
        const QString n = key.objectName();
        b.setKeyFilter(n, frequencyKey, kVfoFrequencyBoxLength);
        b.setOnLeave(n, [this](const QString &text) { return vfoFrequencyOnLeave(text, m_model.band()); });
    }
    for (const ControlKey key : {Text21, Text4}) {
        const QString n = key.objectName();
        b.setKeyFilter(n, frequencyKey, kOffsetBoxLength);
        b.setOnLeave(n, offsetOnLeave);
    }
    // The power-on text and password are taken as typed; Enter does nothing to them.
    b.setKeyFilter(Text31.objectName(), powerOnTextKey, kPowerOnTextBoxLength);
    b.setKeyFilter(Text1.objectName(), digitKey, kPasswordBoxLength);
}

void OptionalFeaturesEditor::installServiceModes()
{
    for (const GestureLabels *set : {&kForceWriteLabels, &kDebugLabels}) {
        for (const char *name : *set) {
            const QString labelName = QString::fromLatin1(name);
            for (const ControlDescription &c : m_model.options().description().controls) {
                if (c.label != labelName)
                    continue;
                if (QLabel *label = m_binder->label(c.name)) {
                    label->installEventFilter(this);
                    // Reachable from the keyboard too: Tab stops on the caption (just
                    // before its box), Space or Enter counts as a click on it.
                    label->setFocusPolicy(Qt::StrongFocus);
                    label->setStyleSheet(QStringLiteral(
                        "QLabel:focus { background: palette(highlight); color: palette(highlighted-text); }"));
                    if (QWidget *box = m_binder->widget(c.name))
                        QWidget::setTabOrder(label, box);
                }
            }
        }
    }
    // The toolbar switches a mode off; an attempt begun before starts from nothing.
    connect(&m_model, &RadioModel::forceWriteUnlockedChanged, this, [this](bool on) {
        if (!on)
            m_forceWriteGesture.clear();
    });
    connect(&m_model, &RadioModel::debugUnlockedChanged, this, [this](bool on) {
        if (!on)
            m_debugGesture.clear();
    });
}

void OptionalFeaturesEditor::labelClicked(const QString &label)
{
    const int now = m_clock();
    if (m_forceWriteGesture.click(label, now) == GestureResult::On)
        m_model.setForceWriteUnlocked(true);
    if (m_debugGesture.click(label, now) == GestureResult::On)
        m_model.setDebugUnlocked(true);
}

bool OptionalFeaturesEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        labelClicked(watched->objectName());
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            labelClicked(watched->objectName());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kt913
