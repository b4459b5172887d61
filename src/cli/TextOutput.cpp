// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextOutput.h"
#include <QSaveFile>

namespace kt913::cli {

int writeTextOutput(const QString &path, const QString &text, Context &ctx)
{
    if (isStandardOutput(path)) {
        ctx.out << text;
        ctx.out.flush();
        return ExitOk;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        ctx.err << QString::fromUtf8(pick(ctx.lang, "无法写入 %1（%2）", "cannot write %1 (%2)")).arg(path, file.errorString())
                << Qt::endl;
        return ExitUsage;
    }
    return ExitOk;
}

} // namespace kt913::cli
