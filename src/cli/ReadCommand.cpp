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
    QString port, out;
    bool raw = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--port") && i + 1 < args.size())
            port = args[++i];
        else if (args[i] == QLatin1String("-o") && i + 1 < args.size())
            out = args[++i];
        else if (args[i] == QLatin1String("--raw"))
            raw = true;
        else
            return BadUsage;
    }
    if (port.isEmpty() || out.isEmpty())
        return BadUsage;

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
    model.language = ctx.lang;
    Transfer transfer(model);
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
    printEnding(ending, ctx);
    return ExitOk;
}

} // namespace kt913::cli
