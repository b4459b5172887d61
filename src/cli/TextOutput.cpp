// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextOutput.h"
#include "image/SavedFile.h"

namespace kt913::cli {

int writeTextOutput(const QString &path, const QString &text, Context &ctx)
{
    if (isStandardOutput(path)) {
        ctx.out << text;
        ctx.out.flush();
        return ExitOk;
    }
    const QString why = saveWholeFile(path, text.toUtf8());
    if (!why.isEmpty()) {
        ctx.err << QString::fromUtf8(pick(ctx.lang, "无法写入 %1（%2）", "cannot write %1 (%2)")).arg(path, why)
                << Qt::endl;
        return ExitUsage;
    }
    return ExitOk;
}

} // namespace kt913::cli
