#include "ResaveCommand.h"
#include "DataFiles.h"

namespace kt913::cli {

int ResaveCommand::run(const QStringList &args, Context &ctx)
{
    QString in, out;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("-o") && i + 1 < args.size())
            out = args[++i];
        else if (in.isEmpty() && !args[i].startsWith(QLatin1Char('-')))
            in = args[i];
        else
            return BadUsage;
    }
    if (in.isEmpty() || out.isEmpty())
        return BadUsage;
    RadioModel model;
    model.language = ctx.lang;
    if (const int rc = openDataFile(in, model, ctx))
        return rc;
    return saveDataFile(out, model, ctx);
}

} // namespace kt913::cli
