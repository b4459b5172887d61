// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/FmEditor.h"
#include "editors/GridEditing.h"
#include "image/FieldRules.h"
#include "image/FmGridModel.h"
#include "image/FormDescriptions.h"
#include "image/RadioModel.h"
#include "widgets/FilteredLineEdit.h"
#include "widgets/FormBinder.h"
#include "widgets/Twips.h"
#include "widgets/WindowScope.h"
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace kt913 {

namespace {

QPushButton *describedButton(const FormDescription &d, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(d.findElement(QLatin1String(name))->zh.value(0), parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace

FmEditor::FmEditor(RadioModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("Form5"));
    markAsWindow(this);
    const FormDescription &d = fmFormDescription();
    setWindowTitle(d.captionZh);

    m_gridModel = std::make_unique<FmGridModel>(m_model);
    MSFGrid = new QTableView(this);
    MSFGrid->setObjectName(QStringLiteral("MSFGrid"));
    MSFGrid->setModel(m_gridModel.get());
    MSFGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    MSFGrid->setSelectionBehavior(QAbstractItemView::SelectItems);
    MSFGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFGrid->setTabKeyNavigation(false);
    MSFGrid->verticalHeader()->hide();
    MSFGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    MSFGrid->verticalHeader()->setDefaultSectionSize(twips(300));
    MSFGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    MSFGrid->horizontalHeader()->setHighlightSections(false);
    MSFGrid->setColumnWidth(FmGridModel::kNumberColumn, twips(900));
    MSFGrid->setColumnWidth(FmGridModel::kFrequencyColumn, twips(2200));
    MSFGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MSFGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MSFGrid->setCurrentIndex(m_gridModel->index(0, FmGridModel::kFrequencyColumn));
    MSFGrid->installEventFilter(this);
    connect(MSFGrid, &QAbstractItemView::pressed, this, [this](const QModelIndex &index) {
        if (index.column() == FmGridModel::kFrequencyColumn)
            openCellEditor(index.row());
    });
    // The user scrolling moves the cells away from under an open editor: the edit ends
    // first.
    onUserScroll(MSFGrid, [this] { MSFGrid->setFocus(Qt::OtherFocusReason); });

    Text1 = new FilteredLineEdit(frequencyKey, 0, this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAlignment(Qt::AlignCenter);
    Text1->hide();
    Text1->installEventFilter(this);
    connect(Text1, &QLineEdit::returnPressed, this, [this] { MSFGrid->setFocus(Qt::OtherFocusReason); });

    m_binder = new FormBinder(m_model.fmForm(), [this] { return m_model.language(); }, this);
    m_binder->setKeyFilter(FmControls::Text2.objectName(), frequencyKey);
    m_binder->setOnLeave(FmControls::Text2.objectName(), [this](const QString &text) { return Text2_Leave(text); });
    connect(m_binder, &FormBinder::enterPressed, this, [this](const QString &name) {
        if (name == FmControls::Text2.objectName())
            MSFGrid->setFocus(Qt::OtherFocusReason);
    });

    Label2 = new QLabel(this);
    Label2->setObjectName(d.findElement(QStringLiteral("Label2"))->name);
    Label2->setWordWrap(true);
    Label2->setStyleSheet(QStringLiteral("color: #c00000;"));
    QSizePolicy keepPlace = Label2->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true); // the controls stay put when the line comes and goes
    Label2->setSizePolicy(keepPlace);
    Label2->hide();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &FmEditor::countHintTick);

    buildLayout();
    setFocusProxy(MSFGrid);
    resize(twips(d.widthTwips), twips(d.heightTwips));
}

FmEditor::~FmEditor() = default;

void FmEditor::buildLayout()
{
    const FormDescription &d = fmFormDescription();
    auto *fields = new QFormLayout;
    fields->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    fields->setRowWrapPolicy(QFormLayout::DontWrapRows);
    fields->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (const ControlDescription *c : d.controlsIn(QString())) {
        QWidget *w = m_binder->widget(c->name, this);
        QLabel *label = m_binder->label(c->name);
        if (c->hidden)
            continue; // made and bound all the same: decoding and OK use its value
        fields->addRow(label, w);
    }

    auto *command1 = describedButton(d, "Command1", this);
    auto *command2 = describedButton(d, "Command2", this);
    command1->setDefault(false);
    command1->setAutoDefault(false);
    command2->setAutoDefault(false);
    connect(command1, &QPushButton::clicked, this, &FmEditor::acceptAndClose);
    connect(command2, &QPushButton::clicked, this, &FmEditor::closeWithoutApplying);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(command1);
    buttons->addWidget(command2);

    auto *right = new QVBoxLayout;
    right->addLayout(fields);
    right->addSpacing(twips(120));
    right->addWidget(Label2);
    right->addStretch(1);
    right->addLayout(buttons);

    const int gridWidth = twips(900) + twips(2200) + 2 * MSFGrid->frameWidth() +
                          MSFGrid->verticalScrollBar()->sizeHint().width();
    MSFGrid->setFixedWidth(gridWidth);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(twips(120), twips(120), twips(120), twips(120));
    layout->setSpacing(twips(180));
    layout->addWidget(MSFGrid);
    layout->addLayout(right, 1);
}

void FmEditor::acceptAndClose()
{
    if (Text1->isVisible())
        commitTextBox();
    m_model.fmOk();
    hideWindow();
}

void FmEditor::closeWithoutApplying()
{
    if (Text1->isVisible())
        commitTextBox();
    hideWindow();
}

void FmEditor::hideWindow()
{
    // The window lives in a frame of the main window's work area: the frame goes.
    if (QWidget *frame = parentWidget(); frame && frame->inherits("QMdiSubWindow"))
        frame->hide();
    else
        hide();
}

} // namespace kt913
