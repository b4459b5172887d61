// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportPdf.h"
#include "ReportDrawing.h"
#include "image/SavedFile.h"
#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>

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
    // Drawn whole in memory first, so that the file on disk is either the old one or
    // the complete report (the PDF writer does not look at what its device took).
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!writeReportPdf(report, buffer, layout)) {
        if (error)
            *error = QStringLiteral("the report could not be drawn");
        return false;
    }
    const QString why = saveWholeFile(path, bytes);
    if (error)
        *error = why;
    return why.isEmpty();
}

} // namespace kt913
