// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadCommand.h"
#include "DataFiles.h"
#include "RadioTransfer.h"
#include "image/DatFile.h"
#include "image/Messages.h"
#include "image/RadioModel.h"
#include "image/ReadBackups.h"
#include <QSaveFile>

namespace kt913::cli {

int ReadCommand::run(const QStringList &args, Context &ctx)
{
    Arguments a(args, {{"--port", true}, {"-o", true}, {"--raw", false}, {"--trace", true}}, 0);
    a.require("--port", "PORT");
    a.require("-o", "FILE.dat");
    if (!a.ok())
        return badUsage(ctx, a);
    const QString port = a.value("--port"), out = a.value("-o");
    const bool raw = a.has("--raw");

    // A file that cannot be written is told now, not after a whole read of the radio.
    {
        QSaveFile probe(out);
        if (!probe.open(QIODevice::WriteOnly)) {
            ctx.err << message(MessageId::FileSaveFailed, ctx.lang, out + QStringLiteral(" (") + probe.errorString() + ')').text
                    << Qt::endl;
            return ExitUsage;
        }
        probe.cancelWriting();
    }

    RadioModel model;
    model.setLanguage(ctx.lang);
    const std::unique_ptr<SerialTrace> trace = openTrace(a.value("--trace"), ctx);
    Transfer transfer(model);
    transfer.setTrace(trace.get());
    transfer.setBackupFolder(defaultBackupFolder());
    QObject::connect(&transfer, &Transfer::backupFailed, [&ctx](const QString &reason) {
        ctx.err << backupFailedText(ctx.lang, reason) << Qt::endl;
    });
    const Transfer::Ending ending = runTransfer(transfer, {Transfer::Kind::Read, port}, ctx);
    if (ending != Transfer::Ending::ReadFinished)
        return exitCodeFor(ending);

    if (raw) {
        const DatResult saved = writeDatFile(out, transfer.receivedImage());
        if (!saved.ok()) {
            ctx.err << message(MessageId::FileSaveFailed, ctx.lang, out + QStringLiteral(" (") + saved.detail + ')').text
                    << Qt::endl;
            return ExitUsage;
        }
    } else if (const int rc = saveDataFile(out, model, ctx)) {
        return rc;
    }
    printEnding(transfer, ending, ctx);
    return ExitOk;
}

} // namespace kt913::cli
