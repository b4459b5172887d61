// SPDX-License-Identifier: GPL-3.0-or-later
#include "WriteCommand.h"
#include "DataFiles.h"
#include "MultiPortWrite.h"
#include "RadioTransfer.h"
#include "image/BandTable.h"
#include "image/ChannelEditMessages.h"
#include "image/OutOfBand.h"
#include "image/RadioModel.h"
#include "image/ReadBackups.h"
#include "link/RadioComparison.h"
#include <cstdio>
#include <optional>

namespace kt913::cli {
namespace {

// Channels outside the band would reach a radio that cannot use them; the user names
// the exception with --force, as for a radio of another band.
int refuseChannelsOutsideBand(const RadioModel &model, const WriteOptions &options, Context &ctx)
{
    const QList<int> outside = channelsOutsideBand(model.channels(), model.band());
    if (outside.isEmpty() || options.force)
        return ExitOk;
    ctx.err << options.file << ": " << message(MessageId::ChannelsOutsideBand, ctx.lang, QString::number(outside.size())).text
            << textIn(ctx.lang, "：", ": ") << channelLabels(outside, map::kChannelCount) << '\n'
            << textIn(ctx.lang, "没有写入。加 --force 则照样写入。", "Nothing was written; --force writes them all the same.")
            << Qt::endl;
    return ExitUsage;
}

// The answer to "Write? [y/N]" from the terminal: only a yes writes; an empty line, an
// end of input or anything else is a no.
bool answeredYes(Context &ctx)
{
    ctx.err << textIn(ctx.lang, "写入？[y/N] ", "Write? [y/N] ") << Qt::flush;
    QTextStream in(stdin);
    const QString answer = in.readLine().trimmed().toLower();
    return answer == QLatin1String("y") || answer == QLatin1String("yes") || answer == QStringLiteral("是");
}

// Reads the radio and lists what writing the model would change there. Empty when the
// write is to go ahead, else the exit code to end with (a failed read, a dry run, a no).
std::optional<int> previewWrite(Transfer &transfer, const WriteOptions &options, Context &ctx)
{
    transfer.setBackupFolder(defaultBackupFolder()); // a read like any other
    const Transfer::Ending read = runTransfer(transfer, {Transfer::Kind::Compare, options.ports.first(), options.force}, ctx);
    if (read != Transfer::Ending::ComparisonReadFinished)
        return exitCodeFor(read);
    transfer.setBackupFolder(QString());
    const QList<ModelDifference> differences =
        compareWithRadio(transfer.receivedImage(), transfer.model(), ComparisonScope::WhatTheWriteSends);
    ctx.out << differenceSummary(differences, ctx.lang) << '\n';
    for (const ModelDifference &d : differences)
        ctx.out << differenceLine(d, ctx.lang) << '\n';
    ctx.out.flush();
    if (options.dryRun)
        return ExitOk;
    if (!answeredYes(ctx)) {
        ctx.err << textIn(ctx.lang, "没有写入。", "Nothing was written.") << Qt::endl;
        // As a write whose band question was answered Cancel.
        return exitCodeFor(Transfer::Ending::BandMismatchCancelled);
    }
    return std::nullopt;
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
                 {"--trace", true}, {"--repeat", false}, {"--preview", false}, {"--dry-run", false}},
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
    options.dryRun = a.has("--dry-run");
    options.preview = options.dryRun || a.has("--preview");
    if (options.ports.removeDuplicates() > 0) {
        a.fail(QStringLiteral("--port: each port only once"));
        return badUsage(ctx, a);
    }

    if (options.preview && (options.ports.size() > 1 || options.repeat)) {
        a.fail(QStringLiteral("--preview and --dry-run: one --port, without --repeat"));
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
    if (options.preview) {
        if (const std::optional<int> rc = previewWrite(transfer, options, ctx))
            return *rc;
    }
    const Transfer::Ending ending = runTransfer(transfer, {Transfer::Kind::Write, options.ports.first(), options.force}, ctx);
    if (Transfer::succeeded(ending))
        printEnding(transfer, ending, ctx);
    return exitCodeFor(ending);
}

} // namespace kt913::cli
