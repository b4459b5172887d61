// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/PrintPreview.h"
#include "report/PrintContent.h"
#include "report/ReportDrawing.h"
#include "report/ReportPdf.h"
#include "widgets/MessageBox.h"
#include <QAction>
#include <QComboBox>
#include <QGraphicsView>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QToolBar>

namespace kt913 {

PrintPreview::PrintPreview(RadioModel &model, QWidget *owner) : QPrintPreviewDialog(owner), m_model(model)
{
    setObjectName(QStringLiteral("FrmPrint"));
    setWindowTitle(captionFor(model.language()));
    printer()->setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    // The preview and the printer alike get a freshly built report, so what is printed
    // is what the model holds at that moment.
    connect(this, &QPrintPreviewDialog::paintRequested, this, &PrintPreview::paintReport);

    const Language lang = model.language();
    m_export = new QAction(style()->standardIcon(QStyle::SP_DialogSaveButton),
                           textIn(lang, "导出PDF", KT913_TR("FrmPrint", "Export to PDF")), this);
    m_export->setObjectName(QStringLiteral("ExportPdf"));
    m_export->setToolTip(m_export->text());
    connect(m_export, &QAction::triggered, this, &PrintPreview::askAndExport);
    if (QToolBar *bar = findChild<QToolBar *>()) {
        bar->addSeparator();
        bar->addAction(m_export);
    } else {
        addAction(m_export);
    }

    nameQtControls(lang);

    QSize size(1000, 820);
    if (const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    resize(size);
}

void PrintPreview::nameQtControls(Language lang)
{
    // Qt's preview leaves its zoom list, its page number box and the page view without a
    // name a screen reader could speak.
    const QString zoom = textIn(lang, "缩放", KT913_TR("FrmPrint", "Zoom"));
    const QString page = textIn(lang, "页码", KT913_TR("FrmPrint", "Page"));
    for (QComboBox *list : findChildren<QComboBox *>()) {
        list->setAccessibleName(zoom);
        if (list->lineEdit())
            list->lineEdit()->setAccessibleName(zoom);
    }
    for (QLineEdit *box : findChildren<QLineEdit *>())
        if (box->accessibleName().isEmpty() && !qobject_cast<QComboBox *>(box->parentWidget()))
            box->setAccessibleName(page);
    for (QPrintPreviewWidget *preview : findChildren<QPrintPreviewWidget *>())
        preview->setAccessibleName(windowTitle());
    for (QGraphicsView *view : findChildren<QGraphicsView *>()) {
        view->setAccessibleName(windowTitle());
        view->viewport()->setAccessibleName(windowTitle());
    }
}

QString PrintPreview::captionFor(Language lang)
{
    QString name = QCoreApplication::applicationName();
    if (name.isEmpty())
        name = QStringLiteral("kt913");
    return name + textIn(lang, "打印预览", KT913_TR("FrmPrint", " Print preview"));
}

void PrintPreview::showPreview(RadioModel &model, QWidget *owner)
{
    PrintPreview preview(model, owner);
    preview.exec();
}

void PrintPreview::paintReport(QPrinter *target)
{
    ReportWriter report;
    PrintContent(m_model, report);
    drawReport(report, *target);
}

bool PrintPreview::exportPdf(const QString &path, QString *error)
{
    ReportWriter report;
    PrintContent(m_model, report);
    return saveReportPdf(report, path, error, printer()->pageLayout());
}

void PrintPreview::askAndExport()
{
    const Language lang = m_model.language();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString path = QFileDialog::getSaveFileName(this, m_export->text(),
                                                QDir(folder).filePath(QStringLiteral("KT-913.pdf")),
                                                textIn(lang, "PDF文件 (*.pdf)", KT913_TR("FrmPrint", "PDF files (*.pdf)")));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    QString error;
    if (!exportPdf(path, &error))
        MsgBox(this, lang, MessageId::FileSaveFailed, path + QStringLiteral(" (") + error + QLatin1Char(')'));
}

} // namespace kt913
