// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/AboutWindow.h"
#include "widgets/AppIcon.h"
#include "widgets/WindowScope.h"
#include "shell/ToolbarIcons.h"
#include "widgets/Twips.h"
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>

namespace kt913 {

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowIcon(appIcon());
    markAsWindow(this);
    setWindowTitle(QStringLiteral("帮助"));
    setModal(true);
    setFixedSize(twips(7200), twips(2700));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(toolbarIcon(QStringLiteral("TWrite")).pixmap(64, 64));
    Image1->setAlignment(Qt::AlignCenter);

    // The design-time texts; the caption table puts the language's own in place.
    lblTitle = new QLabel(QStringLiteral("KT-913 RadioSoft"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont big = lblTitle->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    lblTitle->setFont(big);
    lblTitle->setWordWrap(true);
    lblVersion = new QLabel(QStringLiteral("简体中文版 V1.90"), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));

    lblCopyR = new QLabel(this);
    lblCopyR->setObjectName(QStringLiteral("lblCopyR"));
    lblCopyR->setText(QStringLiteral("© kt913 developers · <a href=\"%1\">README</a>")
                          .arg(documentationUrl().toString().toHtmlEscaped()));
    lblCopyR->setTextFormat(Qt::RichText);
    lblCopyR->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    lblCopyR->setOpenExternalLinks(false);
    connect(lblCopyR, &QLabel::linkActivated, this, [](const QString &link) { QDesktopServices::openUrl(QUrl(link)); });

    auto *grid = new QGridLayout(this);
    grid->addWidget(Image1, 0, 0, 3, 1);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblVersion, 1, 1);
    grid->addWidget(lblCopyR, 2, 1);
    grid->setColumnStretch(1, 1);
}

QUrl AboutWindow::documentationUrl()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList candidates{
        QDir(appDir).filePath(QStringLiteral("README.md")),
        QDir(appDir).filePath(QStringLiteral("../share/doc/kt913/README.md")),
#ifdef KT913_SOURCE_DIR
        QDir(QStringLiteral(KT913_SOURCE_DIR)).filePath(QStringLiteral("README.md")),
#endif
    };
    for (const QString &path : candidates) {
        if (QFileInfo::exists(path))
            return QUrl::fromLocalFile(QFileInfo(path).canonicalFilePath());
    }
    return QUrl::fromLocalFile(QDir::cleanPath(candidates.first()));
}

void AboutWindow::mousePressEvent(QMouseEvent *event)
{
    // A click anywhere but on the link unloads the window.
    if (event->button() == Qt::LeftButton) {
        m_unloaded = true;
        accept();
    }
    QDialog::mousePressEvent(event);
}

} // namespace kt913
