// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/ComparisonWindow.h"
#include "image/DifferenceTableModel.h"
#include "windows/ComparisonWindowCaptions.h"
#include "widgets/Twips.h"
#include "widgets/WindowScope.h"
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace kt913 {

namespace {

QPushButton *button(QWidget *parent, const char *name)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

ComparisonWindow::ComparisonWindow(Purpose purpose, QWidget *parent) : QDialog(parent), m_purpose(purpose)
{
    const bool preview = purpose == Purpose::WritePreview;
    setObjectName(preview ? QStringLiteral("FrmWritePreview") : QStringLiteral("FrmCompare"));
    markAsWindow(this);
    setAttribute(Qt::WA_DeleteOnClose);
    // Nothing may change in the editors between what the list shows and what is written.
    setWindowModality(Qt::ApplicationModal);
    resize(twips(10500), twips(6000));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Label2->setVisible(preview);

    m_table = new DifferenceTableModel(this);
    Grid1 = new QTableView(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setModel(m_table);
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid1->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid1->setAlternatingRowColors(true);
    Grid1->setWordWrap(false);
    Grid1->verticalHeader()->hide(); // column 0 says where
    Grid1->horizontalHeader()->setStretchLastSection(true);
    Grid1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label1->setBuddy(Grid1);

    CmdClose = button(this, "CmdClose");
    CmdWrite = button(this, "CmdWrite");
    CmdCancel = button(this, "CmdCancel");
    CmdClose->setVisible(!preview);
    CmdWrite->setVisible(preview);
    CmdCancel->setVisible(preview);
    connect(CmdClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(CmdWrite, &QPushButton::clicked, this, &QDialog::accept);
    connect(CmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    // Enter answers with the harmless button: a write only on a deliberate Write.
    QPushButton *fallback = preview ? CmdCancel : CmdClose;
    fallback->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CmdWrite);
    buttons->addWidget(CmdCancel);
    buttons->addWidget(CmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Grid1, 1);
    layout->addWidget(Label2);
    layout->addLayout(buttons);
    fallback->setFocus(Qt::OtherFocusReason);
}

const QList<ModelDifference> &ComparisonWindow::differences() const
{
    return m_table->differences();
}

void ComparisonWindow::showDifferences(const QList<ModelDifference> &differences, Language lang)
{
    m_table->setDifferences(differences, lang);
    applyCaptionTable(this, m_purpose == Purpose::WritePreview ? writePreviewCaptions() : comparisonWindowCaptions(), lang);
    Grid1->resizeColumnsToContents();
    for (int c = 0; c + 1 < m_table->columnCount(); ++c) // some air between the columns
        Grid1->setColumnWidth(c, Grid1->columnWidth(c) + twips(180));
    Grid1->resizeRowsToContents();
}

} // namespace kt913
