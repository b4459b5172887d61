// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print preview of the channel report: Qt's preview window showing the report, with
// printing on the system printer and an export to a PDF file on its toolbar.
#include "image/Language.h"
#include <QPrintPreviewDialog>

class QAction;
class QPrinter;

namespace kt913 {

class RadioModel;

class PrintPreview : public QPrintPreviewDialog {
    Q_OBJECT
public:
    explicit PrintPreview(RadioModel &model, QWidget *owner = nullptr);

    // The print command: the preview, shown modally and gone when the user closes it.
    static void showPreview(RadioModel &model, QWidget *owner);

    // The program's name followed by "打印预览" / "Print preview".
    static QString captionFor(Language lang);

    QAction *exportAction() const { return m_export; }
    // Writes the report as the preview shows it (same paper) to `path`.
    bool exportPdf(const QString &path, QString *error);

private:
    void paintReport(QPrinter *printer);
    void askAndExport();
    void nameQtControls(Language lang);

    RadioModel &m_model;
    QAction *m_export = nullptr;
};

} // namespace kt913
