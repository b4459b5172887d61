// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelCsvImport.h"
#include "CsvText.h"
#include <QMap>

namespace kt913 {

namespace {
}

ChannelCsvImport planChannelCsvImport(const QString &text, const RadioModel &model)
{
    ChannelCsvImport plan;
    const Language lang = model.language();
    const ChannelCsvContext context{model.band(), model.bandSelection(), lang};
    const ChannelTables &tables = model.channels();
    const ChannelCsvParse parse = parseChannelCsv(text, context, [&](int n) { return tables.row(n); });
    if (!parse.ok()) {
        plan.problem = parse.problem;
        return plan;
    }
    QMap<int, ChannelEdit> edits; // by channel, so they come out in channel order
    QMap<int, int> givenIn;       // channel -> line that gave it
    for (const ChannelCsvLine &line : parse.lines) {
        QString reason = line.problem;
        if (reason.isEmpty() && line.channel == 0)
            reason = textIn(lang, "没有频道号（Location）", KT913_TR("ChannelCsv", "no Location"));
        if (reason.isEmpty() && givenIn.contains(line.channel))
            reason = textIn(lang, "频道 %1 已在第 %2 行给出", KT913_TR("ChannelCsv", "channel %1 is already given in line %2"))
                         .arg(line.channel)
                         .arg(givenIn[line.channel]);
        if (!reason.isEmpty()) {
            plan.refused << CsvRefusal{line.line, reason};
            continue;
        }
        givenIn[line.channel] = line.line;
        ++plan.rowsTaken;
        if (!line.nameNote.isEmpty())
            plan.renamed << CsvRefusal{line.line, line.nameNote};
        ChannelEdit edit{line.channel, tables.row(line.channel), line.row};
        edit.after.cells[col::Label] = edit.before.cells[col::Label];
        if (edit.changes())
            edits.insert(line.channel, edit);
    }
    if (parse.lines.isEmpty())
        plan.problem = textIn(lang, "文件中没有频道", KT913_TR("ChannelCsv", "the file holds no channels"));
    else if (plan.rowsTaken == 0)
        plan.problem = textIn(lang, "没有一行可以读入", KT913_TR("ChannelCsv", "no row can be taken"));
    plan.edits = edits.values();
    return plan;
}

ChannelCsvImport planChannelCsvImport(const QByteArray &bytes, const RadioModel &model)
{
    QString problem;
    const QString text = csv::textFromBytes(bytes, problem, model.language());
    if (!problem.isEmpty()) {
        ChannelCsvImport plan;
        plan.problem = problem;
        return plan;
    }
    return planChannelCsvImport(text, model);
}

QStringList refusalLines(const QList<CsvRefusal> &refused, Language lang)
{
    QStringList lines;
    for (const CsvRefusal &r : refused)
        lines << textIn(lang, "第 %1 行：%2", KT913_TR("ChannelCsv", "line %1: %2")).arg(r.line).arg(r.reason);
    return lines;
}

} // namespace kt913
