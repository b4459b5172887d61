// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/ChannelSortDialog.h"
#include "image/ChannelEditMessages.h"
#include "widgets/MessageBox.h"
#include "widgets/WindowScope.h"
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kt913 {

ChannelSortDialog::ChannelSortDialog(Language lang, SortKey key, bool descending, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SortDialog"));
    markAsWindow(this);
    setWindowTitle(textIn(lang, "信道排序", KT913_TR("Form1", "Sort Channels")));

    m_key = new QComboBox(this);
    m_key->setObjectName(QStringLiteral("SortKey"));
    m_key->addItems(sortKeyTexts(lang));
    m_key->setCurrentIndex(int(key));
    m_order = new QComboBox(this);
    m_order->setObjectName(QStringLiteral("SortOrder"));
    m_order->addItems(sortOrderTexts(lang));
    m_order->setCurrentIndex(descending ? 1 : 0);
    auto *keyLabel = new QLabel(textIn(lang, "排序依据(&K):", KT913_TR("Form1", "Sort by(&K):")), this);
    keyLabel->setObjectName(QStringLiteral("SortKeyLabel"));
    keyLabel->setBuddy(m_key);
    auto *orderLabel = new QLabel(textIn(lang, "顺序(&O):", KT913_TR("Form1", "Order(&O):")), this);
    orderLabel->setObjectName(QStringLiteral("SortOrderLabel"));
    orderLabel->setBuddy(m_order);
    auto *note = new QLabel(textIn(lang, "未使用的信道排在最后。", KT913_TR("Form1", "Unused channels go to the end.")), this);
    note->setObjectName(QStringLiteral("SortNote"));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(buttonCaption(mbResult::Ok, lang), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    QPushButton *cancel = buttons->addButton(buttonCaption(mbResult::Cancel, lang), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Command2"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(keyLabel, m_key);
    form->addRow(orderLabel, m_order);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
    m_key->setFocus(Qt::OtherFocusReason);
}

SortKey ChannelSortDialog::key() const
{
    return SortKey(qBound(0, m_key->currentIndex(), int(SortKey::Tone)));
}

bool ChannelSortDialog::descending() const
{
    return m_order->currentIndex() == 1;
}

} // namespace kt913
