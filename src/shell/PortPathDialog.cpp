// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/PortPathDialog.h"
#include "widgets/MessageBox.h"
#include "widgets/Twips.h"
#include "widgets/WindowScope.h"
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kt913 {

PortPathDialog::PortPathDialog(Language lang, const QString &title, const QString &path, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("PortPathDialog"));
    markAsWindow(this);
    setWindowTitle(title);

    auto *label = new QLabel(textIn(lang, "串口设备路径(&P):", KT913_TR("PortPathDialog", "Serial device path(&P):")), this);
    label->setObjectName(QStringLiteral("PortPathLabel"));
    m_path = new QLineEdit(path, this);
    m_path->setObjectName(QStringLiteral("PortPath"));
    m_path->setPlaceholderText(QStringLiteral("/dev/ttyUSB0"));
    m_path->setMinimumWidth(twips(4500));
    m_path->selectAll();
    label->setBuddy(m_path);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(buttonCaption(mbResult::Ok, lang), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    QPushButton *cancel = buttons->addButton(buttonCaption(mbResult::Cancel, lang), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Command2"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_path);
    layout->addWidget(buttons);
    m_path->setFocus(Qt::OtherFocusReason);
}

QString PortPathDialog::path() const
{
    return m_path->text().trimmed();
}

QString PortPathDialog::ask(QWidget *owner, Language lang, const QString &title, const QString &path)
{
    PortPathDialog dialog(lang, title, path, owner);
    return dialog.exec() == QDialog::Accepted ? dialog.path() : QString();
}

} // namespace kt913
