// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where every line and cell of a report goes, page by page, for one paper size. The
// drawing only paints what the layout decided, so the tests can check the pages (breaks,
// repeated grid headers, texts that fit their cells) without looking at pixels.
#include "ReportFonts.h"
#include "ReportWriter.h"
#include <QRectF>
#include <QSizeF>
#include <vector>

class QPaintDevice;

namespace kt913 {

struct LaidOutItem {
    enum Kind { Line, Cell, HeaderCell, PageNumber };
    Kind kind = Line;
    ReportFonts::Role font = ReportFonts::Body;
    QRectF box;      // a cell's border, or the band a line of text takes
    QRectF textBox;  // where the text goes; the text has been shortened to fit it
    QString text;    // as drawn: cleaned and, when too long, elided
    int alignment = 0;
};

struct LaidOutPage {
    std::vector<LaidOutItem> items;
};

// `pageSize` is the printable area in the device's pixels, origin at its top left.
// Fonts are measured on `device`, the one the report will be drawn on.
std::vector<LaidOutPage> layoutReport(const ReportWriter &report, const ReportFonts &fonts, QPaintDevice *device,
                                      const QSizeF &pageSize);

} // namespace kt913
