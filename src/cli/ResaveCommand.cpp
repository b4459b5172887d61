// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResaveCommand.h"
#include "DataFiles.h"

namespace kt913::cli {

int ResaveCommand::run(const QStringList &args, Context &ctx)
{
    Arguments a(args, {{"-o", true}}, 1);
    a.requirePositional(0, "FILE.dat");
    a.require("-o", "OUT.dat");
    if (!a.ok())
        return badUsage(ctx, a);
    const QString in = a.positional(0), out = a.value("-o");
    RadioModel model;
    model.setLanguage(ctx.lang);
    if (const int rc = openDataFile(in, model, ctx))
        return rc;
    return saveDataFile(out, model, ctx);
}

} // namespace kt913::cli
