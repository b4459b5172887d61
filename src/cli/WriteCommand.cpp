#include "WriteCommand.h"
#include "DataFiles.h"
#include "RadioTransfer.h"
#include "image/BandTable.h"
#include "image/RadioModel.h"

namespace kt913::cli {

int WriteCommand::run(const QStringList &args, Context &ctx)
{
    QString port, file;
    int band = -1;
    bool force = false, debug = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--port") && i + 1 < args.size()) {
            port = args[++i];
        } else if (args[i] == QLatin1String("--band") && i + 1 < args.size()) {
            bool ok = false;
            band = args[++i].toInt(&ok);
            if (!ok || band < 0 || band >= kBandCount)
                return BadUsage;
        } else if (args[i] == QLatin1String("--force")) {
            force = true;
        } else if (args[i] == QLatin1String("--debug")) {
            debug = true;
        } else if (file.isEmpty() && !args[i].startsWith(QLatin1Char('-'))) {
            file = args[i];
        } else {
            return BadUsage;
        }
    }
    if (port.isEmpty() || file.isEmpty())
        return BadUsage;

    RadioModel model;
    model.language = ctx.lang;
    if (const int rc = openDataFile(file, model, ctx))
        return rc;
    if (band >= 0) {
        model.bandSelection = band;
        model.applyBand(band);
        model.band.BandIndex = qint16(band);
    }
    model.setForceWriteUnlocked(force);
    model.setDebugUnlocked(debug);

    Transfer transfer(model);
    const Transfer::Ending ending = runTransfer(transfer, {Transfer::Kind::Write, port, force}, ctx);
    if (Transfer::succeeded(ending))
        printEnding(ending, ctx);
    return exitCodeFor(ending);
}

} // namespace kt913::cli
