// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fonts of the report. One family with Chinese characters serves both languages, so
// that a Chinese report shows no empty boxes and the PDF carries the glyphs it needs.
#include <QFont>

namespace kt913 {

struct ReportFonts {
    // Grid and GridHeader: the channel grids, smaller so that twelve columns of
    // frequencies and tones fit across the paper.
    enum Role { Body, Title, Heading, Grid, GridHeader, Footer };
    QFont body, title, heading, grid, gridHeader, footer;

    const QFont &font(Role role) const;
    // Family "WenQuanYi Micro Hei" where it is installed, else the application's family.
    static QString family();
    static ReportFonts standard();
};

// The text as it may be drawn: control characters, the empty-byte marker 0xFF, broken
// surrogates and characters no font has become spaces. The report's data keep the text
// as it is; only what reaches the paper is cleaned.
QString drawableText(const QString &text);

} // namespace kt913
