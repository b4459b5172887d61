// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportDrawing.h"
#include "ReportLayout.h"
#include <QPagedPaintDevice>
#include <QPainter>

namespace kt913 {

int drawReport(const ReportWriter &report, QPagedPaintDevice &device)
{
    const ReportFonts fonts = ReportFonts::standard();
    const QSizeF page = device.pageLayout().paintRectPixels(device.logicalDpiX()).size();
    const std::vector<LaidOutPage> pages = layoutReport(report, fonts, &device, page);
    QPainter p;
    if (!p.begin(&device))
        return 0;
    // Hairlines a printer can still show: half a point.
    QPen border(Qt::black, device.logicalDpiX() * 0.5 / 72.0);
    const QColor headerShade(0xE4, 0xE4, 0xE4);
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        for (const LaidOutItem &item : pages[i].items) {
            if (item.kind == LaidOutItem::Cell || item.kind == LaidOutItem::HeaderCell) {
                p.setPen(border);
                p.setBrush(item.kind == LaidOutItem::HeaderCell ? QBrush(headerShade) : QBrush(Qt::NoBrush));
                p.drawRect(item.box);
            }
            if (item.text.isEmpty())
                continue;
            p.setPen(Qt::black);
            p.setFont(fonts.font(item.font));
            p.drawText(item.textBox, item.alignment, item.text);
        }
    }
    p.end();
    return int(pages.size());
}

} // namespace kt913
