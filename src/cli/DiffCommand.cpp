// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiffCommand.h"
#include "DataFiles.h"
#include "TextOutput.h"
#include "image/ModelDiff.h"
#include "image/ReadBackupList.h"
#include "image/ReadBackups.h"
#include <QDir>

namespace kt913::cli {

int DiffCommand::run(const QStringList &args, Context &ctx)
{
    Arguments a(args, {{"--last-read", false}, {"--backups", true}, textOutput("-o")}, 2);
    const bool lastRead = a.has("--last-read");
    a.requirePositional(0, lastRead ? "B.dat" : "A.dat");
    if (!lastRead)
        a.requirePositional(1, "B.dat");
    else if (!a.positional(1).isEmpty())
        a.fail(QStringLiteral("--last-read takes one file, B.dat"));
    if (!a.ok())
        return badUsage(ctx, a);

    QString first = a.positional(0), second = a.positional(1);
    QString text;
    QTextStream out(&text);
    if (lastRead) {
        const QString folder = a.has("--backups") ? a.value("--backups") : defaultBackupFolder();
        second = first;
        first = newestReadBackup(folder);
        if (first.isEmpty()) {
            ctx.err << textIn(ctx.lang, "%1 中没有读频备份", "no read backup in %1").arg(QDir::toNativeSeparators(folder))
                    << Qt::endl;
            return ExitUsage;
        }
        out << textIn(ctx.lang, "上次读频：%1", "last read: %1").arg(QDir::toNativeSeparators(first)) << '\n';
    }
    RadioModel ma, mb;
    ma.setLanguage(ctx.lang);
    mb.setLanguage(ctx.lang);
    if (const int rc = openDataFile(first, ma, ctx))
        return rc;
    if (const int rc = openDataFile(second, mb, ctx))
        return rc;
    const QList<ModelDifference> differences = compareModels(ma, mb, ctx.lang);
    for (const ModelDifference &d : differences)
        out << differenceLine(d, ctx.lang) << '\n';
    out.flush();
    if (const int rc = writeTextOutput(a.value("-o"), text, ctx))
        return rc;
    return differences.isEmpty() ? ExitOk : 1;
}

} // namespace kt913::cli
