// SPDX-License-Identifier: GPL-3.0-or-later
#include "WriteCommand.h"
#include "DataFiles.h"
#include "MultiPortWrite.h"
#include "RadioTransfer.h"
#include "image/BandTable.h"
#include "image/ChannelEditMessages.h"
#include "image/OutOfBand.h"
#include "image/RadioModel.h"

namespace kt913::cli {
namespace {

// Channels outside the band would reach a radio that cannot use them; the user names
// the exception with --force, as for a radio of another band.
int refuseChannelsOutsideBand(const RadioModel &model, const WriteOptions &options, Context &ctx)
{
    const QList<int> outside = channelsOutsideBand(model.channels, model.band());
    if (outside.isEmpty() || options.force)
        return ExitOk;
    ctx.err << options.file << ": " << message(MessageId::ChannelsOutsideBand, ctx.lang, QString::number(outside.size())).text
            << textIn(ctx.lang, "：", ": ") << channelLabels(outside, map::kChannelCount) << '\n'
            << textIn(ctx.lang, "没有写入。加 --force 则照样写入。", "Nothing was written; --force writes them all the same.")
            << Qt::endl;
    return ExitUsage;
}

} // namespace

int prepareWriteModel(RadioModel &model, const WriteOptions &options, Context &ctx)
{
    model.setLanguage(ctx.lang);
    if (const int rc = openDataFile(options.file, model, ctx))
        return rc;
    if (options.band >= 0) {
        model.selectBandQuietly(options.band);
    }
    model.setForceWriteUnlocked(options.force);
    model.setDebugUnlocked(options.debug);
    return refuseChannelsOutsideBand(model, options, ctx);
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
