#include "DumpCommand.h"
#include "DataFiles.h"
#include "ModelJson.h"
#include "image/FormDescriptions.h"
#include "image/ImageCodec.h"
#include <QJsonDocument>

namespace kt913::cli {
namespace {

void printChannels(const RadioModel &m, QTextStream &out)
{
    const QStringList headers = channelGridHeaders(m.language);
    const int widths[col::Count] = {5, 10, 10, 11, 11, 6, 13, 9, 7, 0, 9, 8};
    for (int c = 0; c < col::Count; ++c)
        if (widths[c])
            out << headers[c].leftJustified(widths[c]) << ' ';
    out << '\n';
    for (int n = 1; n <= map::kChannelCount; ++n) {
        if (!m.channels.isUsed(n))
            continue;
        for (int c = 0; c < col::Count; ++c) {
            if (!widths[c])
                continue;
            QString cell = m.channels.cell(n, c);
            if (c == col::Name)
                cell.remove(QChar(0)); // a blank name is stored as eight zero bytes
            out << cell.leftJustified(widths[c]) << ' ';
        }
        out << '\n';
    }
}

void printSettings(const RadioModel &m, QTextStream &out)
{
    const bool en = m.language == Language::English;
    for (const QString &name : decodedSettingControls()) {
        const ControlDescription &info = m.options.control(name);
        QString value = m.options.text(name, m.language);
        if (info.kind == ControlKind::Check)
            value = m.options.isChecked(name) ? QStringLiteral("1") : QStringLiteral("0");
        const QString caption = en ? info.captionEn : info.captionZh;
        out << QStringLiteral("%1 %2 %3").arg(name.leftJustified(9), caption.leftJustified(24), value) << '\n';
    }
}

void printText(const RadioModel &m, QTextStream &out)
{
    out << "Band: " << m.bandSelection << " (" << bandListItems().value(m.bandSelection) << ")\n\n";
    printChannels(m, out);
    out << '\n';
    printSettings(m, out);
    out << "\nFM:";
    for (int k = 0; k < map::kFmChannelCount; ++k)
        if (!m.fmGrid[k].isEmpty())
            out << ' ' << (k + 1) << '=' << m.fm.FmChannelFreq[k];
    out << "\nFM present " << m.fm.FmPresentChannel << ", display " << m.fm.FmDisplayMode << ", step "
        << m.fm.FmStep << ", VFO " << (m.fm.FmVfoFreq.isEmpty() ? QStringLiteral("-") : m.fm.FmVfoFreq) << '\n';
    out << "Debug:";
    for (int v : m.debugValues)
        out << ' ' << v;
    out << '\n';
}

} // namespace

int DumpCommand::run(const QStringList &args, Context &ctx)
{
    Arguments a(args, {{"--json", false}}, 1);
    a.requirePositional(0, "FILE.dat");
    if (!a.ok())
        return badUsage(ctx, a);
    const bool json = a.has("--json");
    const QString path = a.positional(0);
    RadioModel model;
    model.language = ctx.lang;
    if (const int rc = openDataFile(path, model, ctx))
        return rc;
    if (json)
        ctx.out << QJsonDocument(modelToJson(model)).toJson(QJsonDocument::Indented);
    else
        printText(model, ctx.out);
    return ExitOk;
}

} // namespace kt913::cli
