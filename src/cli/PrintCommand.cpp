// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintCommand.h"
#include "DataFiles.h"
#include "image/Messages.h"
#include "image/SavedFile.h"
#include "report/PrintContent.h"
#include "report/ReportPdf.h"
#include <QBuffer>
#include <QFileInfo>
#include <QSaveFile>

namespace kt913::cli {

namespace {

int refuse(Context &ctx, const QString &path, const QString &reason)
{
    ctx.err << message(MessageId::FileSaveFailed, ctx.lang, path + QStringLiteral(" (") + reason + QLatin1Char(')')).text
            << Qt::endl;
    return ExitUsage;
}

} // namespace

int PrintCommand::run(const QStringList &args, Context &ctx)
{
    Arguments a(args, {{"-o", true}}, 1);
    a.requirePositional(0, "FILE.dat");
    a.require("-o", "REPORT.pdf");
    if (!a.ok())
        return badUsage(ctx, a);
    const QString in = a.positional(0), out = a.value("-o");

    const bool english = ctx.lang == Language::English;
    const QFileInfo target(out);
    // A report written over its own data file would destroy the radio's configuration.
    if (QFileInfo(in).exists() && target.exists() && QFileInfo(in).canonicalFilePath() == target.canonicalFilePath())
        return refuse(ctx, out, english ? QStringLiteral("that is the data file being printed")
                                        : QStringLiteral("这是正在打印的数据文件"));
    const QString folder = target.absolutePath();
    if (!QFileInfo(folder).isDir())
        return refuse(ctx, out, (english ? QStringLiteral("the folder %1 does not exist")
                                         : QStringLiteral("文件夹 %1 不存在")).arg(folder));
    // Tried before any work, so that an unwritable folder is found at once.
    {
        QSaveFile probe(out);
        if (!probe.open(QIODevice::WriteOnly))
            return refuse(ctx, out, probe.errorString());
        probe.cancelWriting();
    }

    RadioModel model;
    model.setLanguage(ctx.lang);
    if (const int rc = openDataFile(in, model, ctx))
        return rc;
    ReportWriter report;
    PrintContent(model, report);
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    if (!writeReportPdf(report, buffer))
        return refuse(ctx, out, english ? QStringLiteral("the report could not be drawn") : QStringLiteral("报表无法生成"));
    const QString why = saveWholeFile(out, pdf);
    if (!why.isEmpty())
        return refuse(ctx, out, why);
    return ExitOk;
}

} // namespace kt913::cli
