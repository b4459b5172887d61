// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/DtmfEditor.h"
#include "image/FieldRules.h"
#include "image/FormDescriptions.h"
#include "image/RadioModel.h"
#include "widgets/FormBinder.h"
#include "widgets/Twips.h"
#include "widgets/WindowScope.h"
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kt913 {

namespace {

// A frame of the description, and its option buttons.
QGroupBox *makeFrame(const FormDescription &d, const QString &name, QWidget *parent)
{
    const ElementDescription *e = d.findElement(name);
    auto *box = new QGroupBox(e ? e->zh.value(0) : QString(), parent);
    box->setObjectName(name);
    QVBoxLayout *options = nullptr; // only a frame with option buttons gets one
    for (const ElementDescription *o : d.elementsIn(name)) {
        if (o->kind != ElementDescription::Option)
            continue;
        if (!options)
            options = new QVBoxLayout(box);
        auto *button = new QRadioButton(o->zh.value(0), box);
        button->setObjectName(o->name);
        button->setVisible(!o->hidden);
        options->addWidget(button);
    }
    if (e && e->hidden)
        box->hide();
    return box;
}

} // namespace

DtmfEditor::DtmfEditor(RadioModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("Form2"));
    markAsWindow(this);
    const FormDescription &d = dtmfFormDescription();
    setWindowTitle(d.captionZh);
    m_binder = new FormBinder(m_model.dtmf(), [this] { return m_model.language(); }, this);

    auto *layout = new QVBoxLayout(this);
    QGroupBox *frame3 = makeFrame(d, QStringLiteral("Frame3"), this);
    frame3->setMinimumHeight(twips(300)); // an empty band at the top, as the window was drawn
    layout->addWidget(frame3);
    for (const QString &frameName : {QStringLiteral("Frame2"), QStringLiteral("Frame1")}) {
        QGroupBox *box = makeFrame(d, frameName, this);
        auto *rows = new QGridLayout(box);
        rows->setColumnStretch(1, 1);
        int r = 0;
        for (const ControlDescription *c : d.controlsIn(frameName)) {
            QWidget *w = m_binder->widget(c->name, box);
            if (c->kind == ControlKind::Text)
                m_binder->setKeyFilter(c->name, dtmfKey, c->maxLength);
            if (QLabel *label = m_binder->label(c->name))
                rows->addWidget(label, r, 0);
            rows->addWidget(w, r, 1);
            ++r;
        }
        layout->addWidget(box);
    }
    layout->addStretch(1);
    resize(twips(d.widthTwips), twips(d.heightTwips));
}

void DtmfEditor::StartForm()
{
    m_model.dtmf().startForm();
}

} // namespace kt913
