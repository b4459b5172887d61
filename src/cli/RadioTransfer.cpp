// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadioTransfer.h"
#include "TerminalProgress.h"
#include "image/Messages.h"
#include "image/RadioModel.h"
#include "link/PortNames.h"
#include <QEventLoop>

namespace kt913::cli {

Transfer::Ending runTransfer(Transfer &transfer, const TransferRequest &request, Context &ctx)
{
    const PortOpenResult opened = transfer.openPort(request.port);
    if (!opened.ok()) {
        ctx.err << message(MessageId::PortUnavailable, ctx.lang, request.port).text << '\n'
                << describePortFailure(opened, ctx.lang) << Qt::endl;
    }

    TerminalProgress bar(ctx.err, Transfer::kSteps);
    QEventLoop loop;
    Transfer::Ending ending = Transfer::Ending::CommunicationTimeout;
    QObject::connect(&transfer, &Transfer::progressChanged, &loop, [&](int step) {
        if (ctx.errIsTerminal)
            bar.show(step);
    });
    QObject::connect(&transfer, &Transfer::verifyStarted, &loop, [&] { bar.finish(); });
    QObject::connect(&transfer, &Transfer::bandQuestion, &loop, [&] {
        bar.finish();
        const Message question = message(MessageId::BandMismatchConfirm, ctx.lang);
        const char *answer = request.writeAnyway ? pick(ctx.lang, "确定", "OK") : pick(ctx.lang, "取消", "Cancel");
        ctx.err << question.text << ' ' << QString::fromUtf8(answer) << Qt::endl;
        transfer.answerBandQuestion(request.writeAnyway);
    });
    QObject::connect(&transfer, &Transfer::finished, &loop, [&](Transfer::Ending how) {
        ending = how;
        loop.quit();
    });
    if (request.kind == Transfer::Kind::Read)
        transfer.startRead();
    else if (request.kind == Transfer::Kind::Compare)
        transfer.startComparisonRead();
    else
        transfer.startWrite();
    loop.exec();
    bar.finish();
    if (!Transfer::succeeded(ending))
        printEnding(transfer, ending, ctx);
    return ending;
}

QString endingText(const Transfer &transfer, Transfer::Ending ending, Language lang)
{
    if (ending == Transfer::Ending::VerifyFailed)
        return verifyFailedMessage(transfer.lastVerify(), lang).text;
    const std::optional<MessageId> id = Transfer::messageFor(ending);
    return id ? message(*id, lang).text : QString();
}

void printEnding(const Transfer &transfer, Transfer::Ending ending, Context &ctx)
{
    const QString text = endingText(transfer, ending, ctx.lang);
    if (text.isEmpty())
        return;
    QTextStream &stream = Transfer::succeeded(ending) ? ctx.out : ctx.err;
    stream << text << '\n';
    if (ending == Transfer::Ending::WriteFinished && transfer.verifyWrites())
        stream << verifiedText(ctx.lang) << '\n';
    stream.flush();
}

std::unique_ptr<SerialTrace> openTrace(const QString &path, Context &ctx)
{
    if (path.isEmpty())
        return nullptr;
    auto trace = std::make_unique<SerialTrace>(path, QStringLiteral("kt913-cli"));
    QObject::connect(trace.get(), &SerialTrace::failed, [&ctx, path](const QString &reason) {
        ctx.err << SerialTrace::failureText(path, reason, ctx.lang) << Qt::endl;
    });
    trace->open();
    return trace;
}

int exitCodeFor(Transfer::Ending ending)
{
    return Transfer::succeeded(ending) ? ExitOk : ExitRadio;
}

} // namespace kt913::cli
