// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/DebugEditor.h"
#include "image/FormDescriptions.h"
#include "image/MemoryMap.h"
#include "image/RadioModel.h"
#include "widgets/FormBinder.h"
#include "widgets/Twips.h"
#include "widgets/WindowScope.h"
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kt913 {

DebugEditor::DebugEditor(RadioModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("Form4"));
    markAsWindow(this);
    const FormDescription &d = debugFormDescription();
    setWindowTitle(d.captionZh);
    m_binder = new FormBinder(m_model.debug(), [this] { return m_model.language(); }, this);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    const ElementDescription *tabs = d.findElement(QStringLiteral("SSTab1"));
    for (int page = 0; page < 2; ++page) {
        auto *pageWidget = new QWidget(SSTab1);
        auto *frames = new QVBoxLayout(pageWidget);
        for (const ElementDescription *e : d.elementsIn(pageOf(QStringLiteral("SSTab1"), page))) {
            auto *box = new QGroupBox(e->zh.value(0), pageWidget);
            box->setObjectName(e->name);
            auto *rows = new QGridLayout(box);
            rows->setColumnStretch(1, 1);
            int r = 0;
            for (const ControlDescription *c : d.controlsIn(e->name)) {
                auto *s = qobject_cast<QSlider *>(m_binder->widget(c->name, box));
                const int i = c->name.mid(8).chopped(1).toInt(); // "Slider1(i)"
                Slider1[std::size_t(i)] = s;
                auto *value = qobject_cast<QLabel *>(s->property("valueLabel").value<QObject *>());
                QLabel *label = m_binder->label(c->name);
                rows->addWidget(label, r, 0);
                rows->addWidget(s, r, 1);
                rows->addWidget(value, r, 2);
                // The one way an alignment value changes: the model keeps it and the
                // slider's position together.
                m_binder->setSliderMoved(c->name, [this, i](int v) { m_model.setDebugValue(i, v); });
                ++r;
            }
            box->setVisible(!e->hidden);
            frames->addWidget(box);
        }
        frames->addStretch(1);
        SSTab1->addTab(pageWidget, tabs ? tabs->zh.value(page) : QString());
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);
    resize(twips(d.widthTwips), twips(d.heightTwips));

    // Sliders move in the debug mode only. Locking it from the toolbar disables all of
    // them, not only the first six: a slider left enabled would change an alignment value
    // outside the service mode, and the next save or debug write would carry it.
    setSlidersEnabled(m_model.debugUnlocked());
    connect(&m_model, &RadioModel::debugUnlockedChanged, this, &DebugEditor::setSlidersEnabled);
}

void DebugEditor::setSlidersEnabled(bool enabled)
{
    for (QSlider *s : Slider1)
        if (s)
            s->setEnabled(enabled);
}

} // namespace kt913
