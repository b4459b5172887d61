// SPDX-License-Identifier: GPL-3.0-or-later
#include "DumpCommand.h"
#include "DataFiles.h"
#include "ModelJson.h"
#include "TextColumns.h"
#include "TextOutput.h"
#include "image/FormDescriptions.h"
#include "image/ImageCodec.h"
#include <QJsonDocument>

namespace kt913::cli {
namespace {

// Each column as wide as its widest cell, counted as the terminal draws it, so that
// Chinese headers and names line up as well as English ones.
void printChannels(const RadioModel &m, QTextStream &out)
{
    const QStringList headers = channelGridHeaders(m.language());
    QList<QStringList> rows{headers};
    for (int n = 1; n <= map::kChannelCount; ++n) {
        if (!m.channels().isUsed(n))
            continue;
        QStringList row;
        for (int c = 0; c < col::Count; ++c)
            row << m.channels().cell(n, c);
        rows << row;
    }
    QList<int> widths(col::Count, 0);
    for (const QStringList &row : rows)
        for (int c = 0; c < col::Count; ++c)
            widths[c] = qMax(widths[c], displayWidth(row.value(c)));
    for (const QStringList &row : rows) {
        QString line;
        for (int c = 0; c < col::Count; ++c)
            if (!headers.value(c).isEmpty()) // the grid's reserved column has neither header nor use
                line += padToWidth(row.value(c), widths[c]) + QLatin1Char(' ');
        out << line.trimmed() << '\n';
    }
}

void printSettings(const RadioModel &m, QTextStream &out)
{
    const bool en = m.language() == Language::English;
    struct Line {
        QString name, caption, value;
    };
    QList<Line> lines;
    int nameWidth = 0, captionWidth = 0;
    for (const ControlKey key : decodedSettingControls()) {
        const ControlDescription &info = m.options().control(key);
        const QString &name = info.name;
        QString value = m.options().text(key, m.language());
        if (info.kind == ControlKind::Check)
            value = m.options().isChecked(key) ? QStringLiteral("1") : QStringLiteral("0");
        const Line line{name, en ? info.captionEn : info.captionZh, value};
        nameWidth = qMax(nameWidth, displayWidth(line.name));
        captionWidth = qMax(captionWidth, displayWidth(line.caption));
        lines << line;
    }
    // Two spaces between the columns: a caption that ends in a word ("Prohibit VOX in the
    // receiving") is not read together with its value.
    for (const Line &line : lines)
        out << padToWidth(line.name, nameWidth) << "  " << padToWidth(line.caption, captionWidth) << "  " << line.value << '\n';
}

void printText(const RadioModel &m, QTextStream &out)
{
    out << "Band: " << m.bandSelection() << " (" << bandListItems().value(m.bandSelection()) << ")\n\n";
    printChannels(m, out);
    out << '\n';
    printSettings(m, out);
    out << "\nFM:";
    for (int k = 0; k < map::kFmChannelCount; ++k)
        if (!m.fmGrid()[k].isEmpty())
            out << ' ' << (k + 1) << '=' << m.fm().FmChannelFreq[k];
    out << "\nFM present " << m.fm().FmPresentChannel << ", display " << m.fm().FmDisplayMode << ", step "
        << m.fm().FmStep << ", VFO " << (m.fm().FmVfoFreq.isEmpty() ? QStringLiteral("-") : m.fm().FmVfoFreq) << '\n';
    out << "Debug:";
    for (int v : m.debugValues())
        out << ' ' << v;
    out << '\n';
}

} // namespace

int DumpCommand::run(const QStringList &args, Context &ctx)
{
    Arguments a(args, {{"--json", false}, textOutput("-o")}, 1);
    a.requirePositional(0, "FILE.dat");
    if (!a.ok())
        return badUsage(ctx, a);
    RadioModel model;
    model.setLanguage(ctx.lang);
    if (const int rc = openDataFile(a.positional(0), model, ctx))
        return rc;
    QString text;
    if (a.has("--json")) {
        text = QString::fromUtf8(QJsonDocument(modelToJson(model)).toJson(QJsonDocument::Indented));
    } else {
        QTextStream out(&text);
        printText(model, out);
    }
    return writeTextOutput(a.value("-o"), text, ctx);
}

} // namespace kt913::cli
