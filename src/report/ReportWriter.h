// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The report as a list of operations: the report's content is built once (PrintContent)
// and the same list is drawn for the preview, the printer and a PDF file. Keeping the
// operations as data lets the tests read exactly what the report says.
#include <QString>
#include <QStringList>
#include <vector>

namespace kt913 {

// A table handed over whole: header row, rows of cell texts and column widths in twips.
struct ReportTable {
    QStringList header;
    std::vector<QStringList> rows;
    std::vector<int> widthsTwips;
};

struct ReportOp {
    enum Kind { BeginReport, NewPage, ReportTitle, SectionHeading, BlankLine, AddCell, EndRow, PrintGrid, EndReport };
    Kind kind = BlankLine;
    QString text;       // title, heading, cell text or grid caption
    int widthTwips = 0; // AddCell
    int table = -1;     // PrintGrid: index into ReportWriter::tables()
};

class ReportWriter {
public:
    void BeginReport();
    void NewPage();
    void ReportTitle(const QString &text);
    void SectionHeading(const QString &text);
    void BlankLine();
    // A bordered cell with its text centred; EndRow closes the row.
    void AddCell(int widthTwips, const QString &text);
    void EndRow();
    void PrintGrid(const QString &caption, const ReportTable &table);
    void EndReport();

    const std::vector<ReportOp> &operations() const { return m_ops; }
    const std::vector<ReportTable> &tables() const { return m_tables; }
    bool isFinished() const { return m_finished; }

private:
    void add(ReportOp::Kind kind, const QString &text = QString(), int width = 0, int table = -1);

    std::vector<ReportOp> m_ops;
    std::vector<ReportTable> m_tables;
    bool m_finished = false;
};

} // namespace kt913
