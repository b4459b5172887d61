// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The report as a PDF file.
#include "ReportWriter.h"
#include <QPageLayout>

class QIODevice;

namespace kt913 {

// A4 portrait with 15 mm margins: the paper of a report that has no printer to follow.
QPageLayout reportPageLayout();

// Writes the PDF into `out`, which must be open for writing. False when nothing could be
// drawn.
bool writeReportPdf(const ReportWriter &report, QIODevice &out, const QPageLayout &layout = reportPageLayout());

// Writes the PDF to `path` through a temporary file that replaces the target only once the
// whole document is written, so a failure never leaves half a file or destroys an older
// one. On failure `error` gets the system's reason.
bool saveReportPdf(const ReportWriter &report, const QString &path, QString *error,
                   const QPageLayout &layout = reportPageLayout());

} // namespace kt913
