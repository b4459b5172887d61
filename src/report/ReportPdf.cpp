// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportPdf.h"
#include "ReportDrawing.h"
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace kt913 {

QPageLayout reportPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

bool writeReportPdf(const ReportWriter &report, QIODevice &out, const QPageLayout &layout)
{
    int pages = 0;
    {
        QPdfWriter pdf(&out);
        pdf.setCreator(QStringLiteral("kt913"));
        for (const ReportOp &op : report.operations())
            if (op.kind == ReportOp::ReportTitle) {
                pdf.setTitle(op.text);
                break;
            }
        pdf.setPageLayout(layout);
        pages = drawReport(report, pdf);
    } // the writer finishes the document when it goes
    return pages > 0;
}

bool saveReportPdf(const ReportWriter &report, const QString &path, QString *error, const QPageLayout &layout)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (!writeReportPdf(report, file, layout)) {
        file.cancelWriting();
        if (error)
            *error = file.errorString();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace kt913
