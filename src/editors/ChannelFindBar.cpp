// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/ChannelFindBar.h"
#include "widgets/Twips.h"
#include <QAccessible>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kt913 {

void announce(QLabel *line, const QString &text)
{
    line->setText(text);
    line->show();
    QAccessibleEvent changed(line, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    QAccessibleEvent alert(line, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

ChannelFindBar::ChannelFindBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FindBar"));
    // The texts come from the channel editor's caption table.
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("FindLabel"));
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("FindText"));
    m_text->setMaxLength(16);
    m_text->setMinimumWidth(twips(2000));
    m_label->setBuddy(m_text);
    m_previous = new QPushButton(this);
    m_previous->setObjectName(QStringLiteral("FindPrevious"));
    m_next = new QPushButton(this);
    m_next->setObjectName(QStringLiteral("FindNext"));
    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("FindClose"));
    for (QPushButton *b : {m_previous, m_next, m_close})
        b->setAutoDefault(false);
    m_result = new QLabel(this);
    m_result->setObjectName(QStringLiteral("FindResult"));

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, twips(60));
    row->addWidget(m_label);
    row->addWidget(m_text);
    row->addWidget(m_previous);
    row->addWidget(m_next);
    row->addWidget(m_close);
    row->addWidget(m_result, 1);

    connect(m_text, &QLineEdit::returnPressed, this, &ChannelFindBar::findNext);
    connect(m_next, &QPushButton::clicked, this, &ChannelFindBar::findNext);
    connect(m_previous, &QPushButton::clicked, this, &ChannelFindBar::findPrevious);
    connect(m_close, &QPushButton::clicked, this, [this] {
        hide();
        emit closed();
    });
    hide();
}

QString ChannelFindBar::text() const
{
    return m_text->text().trimmed();
}

void ChannelFindBar::open()
{
    show();
    m_text->setFocus(Qt::ShortcutFocusReason);
    m_text->selectAll();
}

void ChannelFindBar::showResult(const QString &result)
{
    announce(m_result, result);
}

void ChannelFindBar::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        hide();
        emit closed();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace kt913
