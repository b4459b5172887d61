// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/ChannelEditor.h"
#include "editors/ChannelArrangeCommands.h"
#include "editors/ChannelGrid.h"
#include "editors/ChannelRowCommands.h"
#include "editors/ChannelUndo.h"
#include "image/ChannelEditRules.h"
#include "image/ChannelGridModel.h"
#include "image/FormDescriptions.h"
#include "image/RadioModel.h"
#include "image/ToneList.h"
#include "subclass/GridWheelHook.h"
#include "widgets/FilteredLineEdit.h"
#include "widgets/Twips.h"
#include "widgets/WindowScope.h"
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTabBar>
#include <QVBoxLayout>

namespace kt913 {

ChannelEditor::ChannelEditor(RadioModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("Form1"));
    markAsWindow(this);
    const ChannelEditorDescription &d = channelEditorDescription();
    setWindowTitle(QString::fromUtf8(d.captionZh));
    resize(twips(12000), twips(9000));

    TabStrip1 = new QTabBar(this);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->addTab(QString::fromUtf8(d.tabsZh[0]));
    TabStrip1->addTab(QString::fromUtf8(d.tabsZh[1]));
    TabStrip1->setExpanding(false);

    m_modelA = std::make_unique<ChannelGridModel>(m_model, 1);
    m_modelB = std::make_unique<ChannelGridModel>(m_model, 2);
    Grid1 = new ChannelGrid(m_modelA.get(), QStringLiteral("Grid1"), this);
    Grid2 = new ChannelGrid(m_modelB.get(), QStringLiteral("Grid2"), this);
    Grid2->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(60), twips(60), twips(60), twips(60));
    layout->setSpacing(0);
    layout->addWidget(TabStrip1);
    layout->addWidget(Grid1, 1);
    layout->addWidget(Grid2, 1);

    // The cell editors float over the grids, hidden between edits.
    Text1 = new FilteredLineEdit(frequencyKey, kFrequencyBoxLength, this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text2 = new FilteredLineEdit(nameKey, kNameBoxLength, this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->addItems(toneList(Language::Chinese));
    Combo1->setCurrentIndex(0);
    Combo1->setMaxVisibleItems(16);
    for (int c = col::Power; c <= col::Name; ++c) {
        auto *list = new QComboBox(this);
        list->setObjectName(QStringLiteral("Combo5(%1)").arg(c));
        const ChannelOptionList &items = channelOptionList(c);
        list->addItems(items.itemsZh);
        list->setCurrentIndex(1);
        Combo5[c] = list;
    }
    for (QWidget *editor : {static_cast<QWidget *>(Text1), static_cast<QWidget *>(Text2), static_cast<QWidget *>(Combo1)})
        editor->hide();
    for (int c = col::Power; c <= col::Name; ++c)
        Combo5[c]->hide();

    for (QWidget *editor : {static_cast<QWidget *>(Text1), static_cast<QWidget *>(Text2), static_cast<QWidget *>(Combo1)})
        editor->installEventFilter(this);
    for (int c = col::Power; c <= col::Name; ++c)
        Combo5[c]->installEventFilter(this);

    connect(Text1, &QLineEdit::returnPressed, this, [this] { currentGrid()->setFocus(Qt::OtherFocusReason); });
    connect(Text2, &QLineEdit::returnPressed, this, [this] { currentGrid()->setFocus(Qt::OtherFocusReason); });
    connect(Combo1, &QComboBox::activated, this, [this](int i) { commitListChoice(Combo1, i); });
    for (int c = col::Power; c <= col::Scramble; ++c)
        connect(Combo5[c], &QComboBox::activated, this, [this, c](int i) { commitListChoice(Combo5[c], i); });
    for (ChannelGrid *g : {Grid1, Grid2}) {
        connect(g, &ChannelGrid::leftPressed, this, &ChannelEditor::onCellPressed);
        connect(g, &ChannelGrid::enterPressed, this, &ChannelEditor::onEnterOnCell);
        connect(g, &ChannelGrid::characterTyped, this, &ChannelEditor::onCharacterTyped);
        for (QScrollBar *bar : {g->verticalScrollBar(), g->horizontalScrollBar()})
            connect(bar, &QScrollBar::valueChanged, this, &ChannelEditor::followEditedCell);
    }
    connect(TabStrip1, &QTabBar::currentChanged, this, &ChannelEditor::showGroup);
    setFocusProxy(Grid1);
    for (ChannelGrid *g : {Grid1, Grid2})
        g->fitChoiceColumns(m_model.language());
    connect(&m_model, &RadioModel::languageChanged, this, [this](Language lang) {
        for (ChannelGrid *g : {Grid1, Grid2})
            g->fitChoiceColumns(lang);
    });
    // The wheel moves group A's grid by one row from the start, not only after a switch.
    hookWheel(Grid1);

    // Every commit of a cell editor is a step of the undo history.
    m_undo = new ChannelUndo(m_model, this);
    connect(this, &ChannelEditor::channelEdited, m_undo,
            [this](const ChannelEdit &edit) { m_undo->recordApplied(QStringLiteral("cell"), {edit}); });
    m_rowCommands = new ChannelRowCommands(*this, m_model, *m_undo);
    m_arrange = new ChannelArrangeCommands(*this, m_model, *m_undo);
    // After an undo or redo the cursor stands on what came back, in its group, so that
    // the user (and a screen reader) sees what changed.
    connect(m_undo, &ChannelUndo::replayed, this, [this](int n) {
        const bool focused = currentGrid()->hasFocus();
        const int group = n > map::kGroupSize ? 2 : 1;
        TabStrip1->setCurrentIndex(group - 1);
        ChannelGrid *g = grid(group);
        g->setCurrentCell(g->gridModel()->rowOf(n) + 1, qMax(int(col::Rx), g->currentColumn()));
        if (focused)
            g->setFocus(Qt::OtherFocusReason);
    });
}

void ChannelEditor::applyEdits(const QString &text, const QList<ChannelEdit> &edits)
{
    commitPendingEdit();
    m_undo->applyEdits(text, edits);
}

ChannelEditor::~ChannelEditor() = default;

ChannelGrid *ChannelEditor::currentGrid() const
{
    return grid(m_model.band().BandGroup);
}

QWidget *ChannelEditor::openEditor() const
{
    for (QWidget *editor : {static_cast<QWidget *>(Text1), static_cast<QWidget *>(Text2), static_cast<QWidget *>(Combo1)})
        if (editor->isVisible())
            return editor;
    for (int c = col::Power; c <= col::Name; ++c)
        if (Combo5[c]->isVisible())
            return Combo5[c];
    return nullptr;
}

void ChannelEditor::showGroup(int index)
{
    const int s = index + 1;
    if (s == m_model.band().BandGroup || s < 1 || s > 2)
        return;
    // An edit open in the old group's grid lands there, before the group changes.
    commitPendingEdit();
    m_model.setBandGroup(s);
    hookWheel(grid(s));
    grid(s)->show();
    grid(3 - s)->hide();
    setFocusProxy(grid(s));
}

void ChannelEditor::hookWheel(ChannelGrid *g)
{
    // A new hook for the grid shown; the old one lets go of its grid.
    obj = std::make_unique<GridWheelHook>();
    obj->HookGrid(g);
    connect(obj.get(), &GridWheelHook::MouseWheel, this, &ChannelEditor::scrollOneRow);
}

void ChannelEditor::scrollOneRow(int rotation, int, int)
{
    // A device that only turns sideways says nothing about rows.
    if (rotation == 0)
        return;
    ChannelGrid *g = currentGrid();
    const int top = g->topRow();
    const int last = g->gridModel()->rowCount(); // rows - 1 of the grid with its header row
    const int next = rotation < 1 ? qMin(top + 1, last) : qMax(top - 1, 1);
    if (next == top)
        return;
    // The user scrolls: an open cell editor lands before its cell moves away.
    g->setFocus(Qt::OtherFocusReason);
    g->setTopRow(next);
}

bool ChannelEditor::event(QEvent *event)
{
    // Ctrl+F inside this window opens the find bar; the main window's FM command keeps it
    // everywhere else. Claimed here, the key comes as a key press, not as a shortcut
    // that two commands would share.
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Find)) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void ChannelEditor::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Find)) {
        m_arrange->openFind();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ChannelEditor::mousePressEvent(QMouseEvent *event)
{
    // A click on the window's own background closes the text boxes.
    Text1->hide();
    Text2->hide();
    QWidget::mousePressEvent(event);
}

} // namespace kt913
