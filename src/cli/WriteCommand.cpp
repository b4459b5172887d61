#include "WriteCommand.h"
#include "DataFiles.h"
#include "MultiPortWrite.h"
#include "RadioTransfer.h"
#include "image/BandTable.h"
#include "image/RadioModel.h"

namespace kt913::cli {

int prepareWriteModel(RadioModel &model, const WriteOptions &options, Context &ctx)
{
    model.language = ctx.lang;
    if (const int rc = openDataFile(options.file, model, ctx))
        return rc;
    if (options.band >= 0) {
        model.bandSelection = options.band;
        model.applyBand(options.band);
        model.band.BandIndex = qint16(options.band);
    }
    model.setForceWriteUnlocked(options.force);
    model.setDebugUnlocked(options.debug);
    return ExitOk;
}

int WriteCommand::run(const QStringList &args, Context &ctx)
{
    Arguments a(args,
                {{"--port", true}, {"--band", true}, {"--force", false}, {"--debug", false}, {"--verify", false},
                 {"--trace", true}, {"--repeat", false}},
                1);
    a.require("--port", "PORT");
    a.requirePositional(0, "FILE.dat");
    const int band = a.number("--band", 0, kBandCount - 1, -1);
    if (!a.ok())
        return badUsage(ctx, a);
    WriteOptions options;
    options.ports = a.values("--port");
    options.file = a.positional(0);
    options.band = band;
    options.force = a.has("--force");
    options.debug = a.has("--debug");
    options.verify = a.has("--verify");
    options.repeat = a.has("--repeat");
    if (options.ports.removeDuplicates() > 0) {
        a.fail(QStringLiteral("--port: each port only once"));
        return badUsage(ctx, a);
    }

    const std::unique_ptr<SerialTrace> trace = openTrace(a.value("--trace"), ctx);
    if (options.ports.size() > 1 || options.repeat)
        return writeToManyRadios(options, trace.get(), ctx);

    RadioModel model;
    if (const int rc = prepareWriteModel(model, options, ctx))
        return rc;
    Transfer transfer(model);
    transfer.setTrace(trace.get());
    transfer.setVerifyWrites(options.verify);
    const Transfer::Ending ending = runTransfer(transfer, {Transfer::Kind::Write, options.ports.first(), options.force}, ctx);
    if (Transfer::succeeded(ending))
        printEnding(transfer, ending, ctx);
    return exitCodeFor(ending);
}

} // namespace kt913::cli
