#include "WriteCommand.h"
#include "DataFiles.h"
#include "RadioTransfer.h"
#include "image/BandTable.h"
#include "image/RadioModel.h"

namespace kt913::cli {

int WriteCommand::run(const QStringList &args, Context &ctx)
{
    Arguments a(args, {{"--port", true}, {"--band", true}, {"--force", false}, {"--debug", false}, {"--verify", false}, {"--trace", true}}, 1);
    a.require("--port", "PORT");
    a.requirePositional(0, "FILE.dat");
    const int band = a.number("--band", 0, kBandCount - 1, -1);
    if (!a.ok())
        return badUsage(ctx, a);
    const QString port = a.value("--port"), file = a.positional(0);
    const bool force = a.has("--force"), debug = a.has("--debug");

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

    const std::unique_ptr<SerialTrace> trace = openTrace(a.value("--trace"), ctx);
    Transfer transfer(model);
    transfer.setTrace(trace.get());
    transfer.setVerifyWrites(a.has("--verify"));
    const Transfer::Ending ending = runTransfer(transfer, {Transfer::Kind::Write, port, force}, ctx);
    if (Transfer::succeeded(ending))
        printEnding(transfer, ending, ctx);
    return exitCodeFor(ending);
}

} // namespace kt913::cli
