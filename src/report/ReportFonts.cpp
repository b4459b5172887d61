// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportFonts.h"
#include "image/ChannelGridModel.h"
#include <QFontDatabase>
#include <QGuiApplication>

namespace kt913 {

const QFont &ReportFonts::font(Role role) const
{
    switch (role) {
    case Title: return title;
    case Heading: return heading;
    case Grid: return grid;
    case GridHeader: return gridHeader;
    case Footer: return footer;
    case Body: break;
    }
    return body;
}

QString ReportFonts::family()
{
    static const QString cjk = QStringLiteral("WenQuanYi Micro Hei");
    if (QFontDatabase::hasFamily(cjk))
        return cjk;
    return QGuiApplication::font().family();
}

ReportFonts ReportFonts::standard()
{
    auto make = [](int points, bool bold) {
        QFont f(family());
        f.setPointSizeF(points);
        f.setBold(bold);
        // Metrics without hinting are the same on screen, printer and PDF, so a cell
        // measured for the preview also fits on paper.
        f.setHintingPreference(QFont::PreferNoHinting);
        f.setStyleStrategy(QFont::PreferOutline);
        return f;
    };
    ReportFonts r;
    r.body = make(10, false);
    r.title = make(14, true);
    r.heading = make(12, true);
    r.grid = make(8, false);
    r.gridHeader = make(8, true);
    r.footer = make(8, false);
    return r;
}

QString drawableText(const QString &text)
{
    QString shown = ChannelGridModel::displayText(text);
    for (int i = 0; i < shown.size(); ++i) {
        const QChar c = shown[i];
        if (c.isHighSurrogate() && i + 1 < shown.size() && shown[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        switch (c.category()) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Other_PrivateUse:
        case QChar::Other_NotAssigned:
            shown[i] = QLatin1Char(' ');
            continue;
        default:
            break;
        }
        if (c.unicode() == 0xFF || c.unicode() == 0xFFFD)
            shown[i] = QLatin1Char(' ');
    }
    return shown;
}

} // namespace kt913
