// SPDX-License-Identifier: GPL-3.0-or-later
// The optional features window's widgets and layout, made from its description: the tab
// strip over the pages, the pages' frames on the left, the VOX frame on the right of
// both pages, and the hidden frame of option buttons.
#include "editors/OptionalFeaturesEditor.h"
#include "image/FormDescriptions.h"
#include "widgets/FormBinder.h"
#include "widgets/Twips.h"
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace kt913 {

namespace {

const QString kPage0 = pageOf(QStringLiteral("TabStrip1"), 0);
const QString kPage1 = pageOf(QStringLiteral("TabStrip1"), 1);

} // namespace

QGroupBox *OptionalFeaturesEditor::frame(const QString &name, QWidget *parent)
{
    const ElementDescription *e = optionsFormDescription().findElement(name);
    auto *box = new QGroupBox(e && !e->zh.isEmpty() ? e->zh.first() : QString(), parent);
    box->setObjectName(name);
    if (e && e->hidden)
        box->hide();
    return box;
}

// The frame's controls in their columns, top to bottom as described, each label left of
// its control. Hidden controls stand in their rows too: a grid gives hidden rows no
// room, so they cost nothing and keep their place should anyone look for them.
void OptionalFeaturesEditor::fillFrame(QGroupBox *box, const QString &frameName)
{
    const auto controls = optionsFormDescription().controlsIn(frameName);
    int columns = 0;
    for (const ControlDescription *c : controls)
        columns = qMax(columns, c->column + 1);

    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(twips(120), twips(90), twips(120), twips(90));
    row->setSpacing(twips(300));
    for (int column = 0; column < columns; ++column) {
        auto *grid = new QGridLayout;
        grid->setHorizontalSpacing(twips(90));
        grid->setVerticalSpacing(twips(45));
        grid->setColumnStretch(1, 1);
        int r = 0;
        for (const ControlDescription *c : controls) {
            if (c->column != column)
                continue;
            QWidget *w = m_binder->widget(c->name, box);
            if (auto *combo = qobject_cast<QComboBox *>(w))
                // The English items are longer than the Chinese ones the list starts with.
                combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            if (QLabel *label = m_binder->label(c->name)) {
                label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                grid->addWidget(label, r, 0);
                grid->addWidget(w, r, 1);
            } else {
                grid->addWidget(w, r, 0, 1, 2);
            }
            ++r;
        }
        grid->setRowStretch(r, 1);
        row->addLayout(grid, 1);
    }
}

void OptionalFeaturesEditor::buildWidgets()
{
    const FormDescription &d = optionsFormDescription();

    const ElementDescription *tabs = d.findElement(QStringLiteral("TabStrip1"));
    TabStrip1 = new QTabBar(this);
    TabStrip1->setObjectName(tabs->name);
    for (const QString &caption : tabs->zh)
        TabStrip1->addTab(caption);
    TabStrip1->setExpanding(false);
    TabStrip1->setDrawBase(true);

    Frame2 = frame(QStringLiteral("Frame2"), this);
    Frame3 = frame(QStringLiteral("Frame3"), this);
    Frame5 = frame(QStringLiteral("Frame5"), this);
    Frame1 = frame(QStringLiteral("Frame1"), this);
    Frame4 = frame(QStringLiteral("Frame4"), this);
    for (QGroupBox *box : {Frame2, Frame3, Frame5, Frame1})
        fillFrame(box, box->objectName());

    // The option buttons that once switched the pages: kept, hidden, still working.
    auto *options = new QVBoxLayout(Frame4);
    for (const ElementDescription *e : d.elementsIn(QStringLiteral("Frame4"))) {
        auto *button = new QRadioButton(e->zh.value(0), Frame4);
        button->setObjectName(e->name);
        options->addWidget(button);
        if (e->name == QLatin1String("Option1"))
            Option1 = button;
        else if (e->name == QLatin1String("Option2"))
            Option2 = button;
        else if (e->name == QLatin1String("Option3"))
            Option3 = button;
    }

    // Whatever the description holds beyond the frames (none today) is made too, so that
    // the codecs find every control by name.
    m_binder->createAll(Frame4);

    // Page 1 is Frame2 alone; page 2 puts the two VFO frames side by side.
    auto *vfos = new QHBoxLayout;
    vfos->setSpacing(twips(120));
    for (const ElementDescription *e : d.elementsIn(kPage1))
        vfos->addWidget(findChild<QGroupBox *>(e->name), 1, Qt::AlignTop);

    auto *pages = new QVBoxLayout;
    pages->setSpacing(0);
    for (const ElementDescription *e : d.elementsIn(kPage0))
        pages->addWidget(findChild<QGroupBox *>(e->name));
    pages->addLayout(vfos);
    pages->addStretch(1);

    auto *vox = new QVBoxLayout;
    vox->addWidget(Frame1);
    vox->addStretch(1);

    auto *body = new QHBoxLayout;
    body->setSpacing(twips(120));
    body->addLayout(pages, 1);
    body->addLayout(vox, 0);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(twips(120), twips(90), twips(120), twips(120));
    root->setSpacing(twips(90));
    root->addWidget(TabStrip1);
    root->addLayout(body, 1);
    root->addWidget(Frame4);
}

} // namespace kt913
