// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportWriter.h"

namespace kt913 {

void ReportWriter::add(ReportOp::Kind kind, const QString &text, int width, int table)
{
    ReportOp op;
    op.kind = kind;
    op.text = text;
    op.widthTwips = width;
    op.table = table;
    m_ops.push_back(op);
}

void ReportWriter::BeginReport()
{
    // A report begun again starts from nothing, as a fresh document does.
    m_ops.clear();
    m_tables.clear();
    m_finished = false;
    add(ReportOp::BeginReport);
}

void ReportWriter::NewPage() { add(ReportOp::NewPage); }
void ReportWriter::ReportTitle(const QString &text) { add(ReportOp::ReportTitle, text); }
void ReportWriter::SectionHeading(const QString &text) { add(ReportOp::SectionHeading, text); }
void ReportWriter::BlankLine() { add(ReportOp::BlankLine); }
void ReportWriter::AddCell(int widthTwips, const QString &text) { add(ReportOp::AddCell, text, qMax(0, widthTwips)); }
void ReportWriter::EndRow() { add(ReportOp::EndRow); }

void ReportWriter::PrintGrid(const QString &caption, const ReportTable &table)
{
    m_tables.push_back(table);
    add(ReportOp::PrintGrid, caption, 0, int(m_tables.size()) - 1);
}

void ReportWriter::EndReport()
{
    add(ReportOp::EndReport);
    m_finished = true;
}

} // namespace kt913
