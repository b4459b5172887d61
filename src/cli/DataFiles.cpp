// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataFiles.h"
#include "image/DatFile.h"
#include "image/ImageCodec.h"
#include "image/Messages.h"

namespace kt913::cli {

int openDataFile(const QString &path, RadioModel &model, Context &ctx)
{
    const DatResult r = readDatFile(path, model.memoryImageToFill());
    if (r.status == DatResult::WrongType || r.status == DatResult::Incomplete) {
        const MessageId why = r.status == DatResult::WrongType ? MessageId::FileTypeIncorrect : MessageId::FileIncomplete;
        ctx.err << path << ": " << message(why, ctx.lang).text << Qt::endl;
        return ExitUsage;
    }
    if (!r.ok()) {
        ctx.err << message(MessageId::FileOpenFailed, ctx.lang, path + QStringLiteral(" (") + r.detail + QLatin1Char(')')).text
                << Qt::endl;
        return ExitUsage;
    }
    DecodeImage(model);
    return ExitOk;
}

int saveDataFile(const QString &path, RadioModel &model, Context &ctx)
{
    EncodeImage(model);
    const DatResult r = writeDatFile(path, model.outputImage());
    if (!r.ok()) {
        ctx.err << message(MessageId::FileSaveFailed, ctx.lang, path + QStringLiteral(" (") + r.detail + QLatin1Char(')')).text
                << Qt::endl;
        return ExitUsage;
    }
    return ExitOk;
}

} // namespace kt913::cli
