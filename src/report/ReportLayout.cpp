// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportLayout.h"
#include <QFontMetricsF>
#include <QPaintDevice>

namespace kt913 {

namespace {

class Layouter {
public:
    Layouter(const ReportFonts &fonts, QPaintDevice *device, const QSizeF &page)
        : m_page(page), m_pxPerTwip(device->logicalDpiX() / 1440.0)
    {
        for (int r = 0; r <= ReportFonts::Footer; ++r)
            m_metrics.emplace_back(fonts.font(ReportFonts::Role(r)), device);
        m_rowHeight = metrics(ReportFonts::Body).height() * 1.6;
        // The page number sits below the content, in a band of its own.
        m_bottom = m_page.height() - metrics(ReportFonts::Footer).height() * 2;
        m_pages.emplace_back();
    }

    void run(const ReportWriter &report)
    {
        for (const ReportOp &op : report.operations()) {
            switch (op.kind) {
            case ReportOp::BeginReport:
            case ReportOp::EndReport:
                flushRow();
                break;
            case ReportOp::NewPage:
                flushRow();
                if (!page().items.empty())
                    newPage();
                break;
            case ReportOp::ReportTitle:
                flushRow();
                line(op.text, ReportFonts::Title, 1.8, Qt::AlignCenter);
                break;
            case ReportOp::SectionHeading:
                flushRow();
                line(op.text, ReportFonts::Heading, 1.5, Qt::AlignLeft | Qt::AlignVCenter);
                break;
            case ReportOp::BlankLine:
                flushRow();
                // A blank line at the top of a page would only push the page down.
                if (m_y > 0)
                    m_y += metrics(ReportFonts::Body).height();
                break;
            case ReportOp::AddCell:
                m_pending.push_back({op.widthTwips, op.text});
                break;
            case ReportOp::EndRow:
                flushRow();
                break;
            case ReportOp::PrintGrid:
                flushRow();
                if (op.table >= 0 && op.table < int(report.tables().size()))
                    grid(op.text, report.tables()[size_t(op.table)]);
                break;
            }
        }
        flushRow();
        while (m_pages.size() > 1 && m_pages.back().items.empty())
            m_pages.pop_back();
        numberPages();
    }

    std::vector<LaidOutPage> pages() { return std::move(m_pages); }

private:
    struct PendingCell {
        int widthTwips;
        QString text;
    };

    const QFontMetricsF &metrics(ReportFonts::Role r) const { return m_metrics[size_t(r)]; }
    LaidOutPage &page() { return m_pages.back(); }

    void newPage()
    {
        m_pages.emplace_back();
        m_y = 0;
    }

    void ensureRoom(double height)
    {
        if (m_y + height > m_bottom && !page().items.empty())
            newPage();
    }

    // A title or heading keeps a few rows of what follows on its page.
    void line(const QString &text, ReportFonts::Role role, double spacing, int alignment)
    {
        const double h = metrics(role).height() * spacing;
        ensureRoom(h + 3 * m_rowHeight);
        LaidOutItem item;
        item.kind = LaidOutItem::Line;
        item.font = role;
        item.box = QRectF(0, m_y, m_page.width(), h);
        item.textBox = item.box;
        item.text = fitted(text, role, item.textBox.width());
        item.alignment = alignment;
        page().items.push_back(item);
        m_y += h;
    }

    // A cell too narrow even for the ellipsis stays empty rather than spill over.
    QString fitLine(const QString &clean, ReportFonts::Role role, double width) const
    {
        const QString l = metrics(role).elidedText(clean, Qt::ElideRight, width);
        return metrics(role).horizontalAdvance(l) <= width ? l : QString();
    }

    QString fitted(const QString &text, ReportFonts::Role role, double width) const
    {
        return fitLine(drawableText(text), role, width);
    }

    // The text in at most `maxLines` lines of `width`: broken at spaces where it has
    // them, else between characters (Chinese); what still does not fit is elided.
    QStringList wrapped(const QString &text, ReportFonts::Role role, double width, int maxLines) const
    {
        const QFontMetricsF &fm = metrics(role);
        const QString clean = drawableText(text);
        if (maxLines <= 1 || fm.horizontalAdvance(clean) <= width)
            return {fitLine(clean, role, width)};
        const bool words = clean.contains(QLatin1Char(' '));
        const QStringList pieces = words ? clean.split(QLatin1Char(' '), Qt::SkipEmptyParts)
                                         : QStringList(clean.begin(), clean.end());
        const QString glue = words ? QStringLiteral(" ") : QString();
        QStringList lines;
        QString current;
        int i = 0;
        for (; i < pieces.size() && lines.size() < maxLines - 1; ++i) {
            const QString tried = current.isEmpty() ? pieces[i] : current + glue + pieces[i];
            if (!current.isEmpty() && fm.horizontalAdvance(tried) > width) {
                lines << current;
                current = pieces[i];
            } else {
                current = tried;
            }
        }
        QStringList rest(pieces.mid(i));
        if (!current.isEmpty())
            rest.prepend(current);
        lines << rest.join(glue);
        for (QString &l : lines)
            l = fitLine(l, role, width);
        return lines;
    }

    double padding(ReportFonts::Role role) const { return metrics(role).averageCharWidth() * 0.4; }

    // Column widths in pixels. A column whose widest text (a header by its longest word)
    // does not fit its design width grows; a table wider than the paper then gives up
    // first the room its texts do not need, and only then is narrowed evenly.
    std::vector<double> widths(const std::vector<int> &twips, const ReportTable *table = nullptr) const
    {
        std::vector<double> design, needed;
        for (size_t c = 0; c < twips.size(); ++c) {
            design.push_back(twips[c] * m_pxPerTwip);
            double need = 0;
            if (table) {
                for (const QString &word : drawableText(table->header.value(int(c))).split(QLatin1Char(' ')))
                    need = qMax(need, metrics(ReportFonts::GridHeader).horizontalAdvance(word));
                for (const QStringList &r : table->rows)
                    need = qMax(need, metrics(ReportFonts::Grid).horizontalAdvance(drawableText(r.value(int(c)))));
                need += 2 * padding(ReportFonts::GridHeader) + 1;
            }
            needed.push_back(table ? need : 0.0);
        }
        std::vector<double> px;
        double total = 0, slack = 0;
        for (size_t c = 0; c < design.size(); ++c) {
            px.push_back(qMax(design[c], needed[c]));
            total += px.back();
            slack += px.back() - needed[c];
        }
        const double excess = total - m_page.width();
        if (excess <= 0 || total <= 0)
            return px;
        if (slack >= excess) {
            for (size_t c = 0; c < px.size(); ++c)
                px[c] -= (px[c] - needed[c]) * excess / slack;
        } else {
            // Not even the texts fit: the columns whose texts are short keep their room,
            // the others share what is left equally (and elide).
            std::vector<bool> fixed(px.size(), false);
            double remaining = m_page.width();
            size_t open = px.size();
            for (bool changed = true; changed && open > 0;) {
                changed = false;
                const double share = remaining / double(open);
                for (size_t c = 0; c < px.size(); ++c)
                    if (!fixed[c] && needed[c] <= share) {
                        fixed[c] = true;
                        px[c] = needed[c];
                        remaining -= needed[c];
                        --open;
                        changed = true;
                    }
            }
            for (size_t c = 0; c < px.size(); ++c)
                if (!fixed[c])
                    px[c] = remaining / double(open);
        }
        return px;
    }

    // One table row; its height is the tallest cell's (header texts may take two lines).
    void row(const std::vector<double> &px, const QStringList &texts, LaidOutItem::Kind kind, ReportFonts::Role role)
    {
        const QFontMetricsF &fm = metrics(role);
        const double pad = padding(role);
        const int maxLines = kind == LaidOutItem::HeaderCell ? 2 : 1;
        std::vector<QStringList> lines;
        int tallest = 1;
        for (size_t i = 0; i < px.size(); ++i) {
            lines.push_back(wrapped(texts.value(int(i)), role, qMax(0.0, px[i] - 2 * pad), maxLines));
            tallest = qMax(tallest, int(lines.back().size()));
        }
        const double height = fm.height() * (tallest + 0.6);
        ensureRoom(height);
        double x = 0;
        for (size_t i = 0; i < px.size(); ++i) {
            LaidOutItem cell;
            cell.kind = kind;
            cell.font = role;
            cell.box = QRectF(x, m_y, px[i], height);
            cell.textBox = cell.box.adjusted(pad, 0, -pad, 0);
            cell.text = lines[i].join(QLatin1Char('\n'));
            cell.alignment = Qt::AlignCenter;
            page().items.push_back(cell);
            x += px[i];
        }
        m_y += height;
    }

    void flushRow()
    {
        if (m_pending.empty())
            return;
        std::vector<int> twips;
        QStringList texts;
        for (const PendingCell &c : m_pending) {
            twips.push_back(c.widthTwips);
            texts << c.text;
        }
        m_pending.clear();
        row(widths(twips), texts, LaidOutItem::Cell, ReportFonts::Body);
    }

    // The header row opens the grid and every page the grid goes on to.
    void grid(const QString &caption, const ReportTable &table)
    {
        if (!caption.isEmpty())
            line(caption, ReportFonts::Heading, 1.5, Qt::AlignLeft | Qt::AlignVCenter);
        const std::vector<double> px = widths(table.widthsTwips, &table);
        const double rowHeight = metrics(ReportFonts::Grid).height() * 1.6;
        ensureRoom(3 * rowHeight);
        row(px, table.header, LaidOutItem::HeaderCell, ReportFonts::GridHeader);
        for (const QStringList &cells : table.rows) {
            if (m_y + rowHeight > m_bottom) {
                newPage();
                row(px, table.header, LaidOutItem::HeaderCell, ReportFonts::GridHeader);
            }
            row(px, cells, LaidOutItem::Cell, ReportFonts::Grid);
        }
    }

    void numberPages()
    {
        const int count = int(m_pages.size());
        const double h = metrics(ReportFonts::Footer).height();
        for (int i = 0; i < count; ++i) {
            LaidOutItem n;
            n.kind = LaidOutItem::PageNumber;
            n.font = ReportFonts::Footer;
            n.box = QRectF(0, m_page.height() - h, m_page.width(), h);
            n.textBox = n.box;
            n.text = QStringLiteral("%1 / %2").arg(i + 1).arg(count);
            n.alignment = Qt::AlignCenter;
            m_pages[size_t(i)].items.push_back(n);
        }
    }

    QSizeF m_page;
    double m_pxPerTwip;
    std::vector<QFontMetricsF> m_metrics;
    double m_rowHeight = 0;
    double m_bottom = 0;
    double m_y = 0;
    std::vector<LaidOutPage> m_pages;
    std::vector<PendingCell> m_pending;
};

} // namespace

std::vector<LaidOutPage> layoutReport(const ReportWriter &report, const ReportFonts &fonts, QPaintDevice *device,
                                      const QSizeF &pageSize)
{
    Layouter l(fonts, device, pageSize);
    l.run(report);
    return l.pages();
}

} // namespace kt913
