// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvCommands.h"
#include "DataFiles.h"
#include "TextOutput.h"
#include "image/ChannelCsvImport.h"
#include "image/CsvText.h"
#include <QFile>
#include <QFileInfo>

namespace kt913::cli {
namespace {

bool sameFile(const QString &a, const QString &b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

} // namespace

int ExportCsvCommand::run(const QStringList &args, Context &ctx)
{
    Arguments a(args, {textOutput("-o")}, 1);
    a.requirePositional(0, "FILE.dat");
    a.require("-o", "OUT.csv");
    if (!a.ok())
        return badUsage(ctx, a);
    const QString in = a.positional(0), out = a.value("-o");
    if (sameFile(in, out)) {
        ctx.err << textIn(ctx.lang, "不能把频道表写在数据文件 %1 上", "will not write the list over the data file %1").arg(in) << Qt::endl;
        return ExitUsage;
    }
    RadioModel model;
    model.setLanguage(ctx.lang);
    if (const int rc = openDataFile(in, model, ctx))
        return rc;
    return writeTextOutput(out, channelCsvText(model.channels(), QLatin1Char(',')), ctx);
}

int ImportCsvCommand::run(const QStringList &args, Context &ctx)
{
    Arguments a(args, {{"--base", true}, {"-o", true}}, 1);
    a.requirePositional(0, "IN.csv");
    a.require("--base", "FILE.dat");
    a.require("-o", "OUT.dat");
    if (!a.ok())
        return badUsage(ctx, a);
    const QString csvPath = a.positional(0), base = a.value("--base"), out = a.value("-o");
    RadioModel model;
    model.setLanguage(ctx.lang);
    if (const int rc = openDataFile(base, model, ctx))
        return rc;

    QFile csvFile(csvPath);
    // The size is looked at before anything is read: a huge file is refused unread.
    if (!csvFile.open(QIODevice::ReadOnly)) {
        ctx.err << textIn(ctx.lang, "无法打开 %1（%2）", "cannot open %1 (%2)").arg(csvPath, csvFile.errorString()) << Qt::endl;
        return ExitUsage;
    }
    const QByteArray bytes = csvFile.read(csv::kMaxTextBytes + 1);
    const ChannelCsvImport plan = planChannelCsvImport(bytes, model);
    // Why each row was refused matters most when none was taken.
    for (const QString &line : refusalLines(plan.refused, ctx.lang))
        ctx.err << csvPath << ": " << line << '\n';
    if (!plan.ok()) {
        ctx.err << csvPath << ": " << plan.problem << '\n'
                << textIn(ctx.lang, "没有保存任何文件。", "Nothing was saved.") << Qt::endl;
        return ExitUsage;
    }
    for (const QString &line : refusalLines(plan.renamed, ctx.lang))
        ctx.err << csvPath << ": " << line << '\n';
    {
        const ChannelTables::Batch batch(model.channels());
        for (const ChannelEdit &e : plan.edits)
            model.channels().apply(e);
    }
    if (const int rc = saveDataFile(out, model, ctx))
        return rc;
    ctx.out << textIn(ctx.lang, "读入 %1 行，改变了 %2 个频道", "rows taken: %1, channels changed: %2")
                   .arg(plan.rowsTaken)
                   .arg(plan.edits.size());
    if (!plan.refused.isEmpty())
        ctx.out << textIn(ctx.lang, "，%1 行未读入", ", rows not taken: %1").arg(plan.refused.size());
    ctx.out << Qt::endl;
    ctx.err.flush();
    return plan.refused.isEmpty() ? ExitOk : ExitUsage;
}

} // namespace kt913::cli
