// kt913-cli: the program's data files and radio transfers from the command line.
#include "CliApplication.h"
#include "CommandList.h"
#include <cstdio>
#include <unistd.h>

using namespace kt913;
using namespace kt913::cli;

namespace {

void usage(const std::vector<std::unique_ptr<Command>> &commands, QTextStream &err)
{
    err << "usage: kt913-cli [--lang en|zh] COMMAND ...\n";
    for (const auto &c : commands)
        err << "  kt913-cli " << c->synopsis().leftJustified(48) << ' ' << c->summary() << '\n';
    err.flush();
}

} // namespace

int main(int argc, char **argv)
{
    const auto app = makeApplication(argc, argv);
    QTextStream out(stdout), err(stderr);
    Context ctx{out, err};
    ctx.errIsTerminal = isatty(fileno(stderr));

    QStringList args = app->arguments().mid(1);
    const int lang = args.indexOf(QStringLiteral("--lang"));
    const auto commands = allCommands();
    if (lang >= 0) {
        const QString value = args.value(lang + 1);
        if (value != QLatin1String("en") && value != QLatin1String("zh")) {
            usage(commands, err);
            return ExitUsage;
        }
        ctx.lang = value == QLatin1String("zh") ? Language::Chinese : Language::English;
        args.remove(lang, 2);
    }
    if (args.isEmpty()) {
        usage(commands, err);
        return ExitUsage;
    }
    for (const auto &c : commands) {
        if (c->name() != args.first())
            continue;
        const int rc = c->run(args.mid(1), ctx);
        if (rc != BadUsage)
            return rc;
        err << "usage: kt913-cli " << c->synopsis() << '\n';
        return ExitUsage;
    }
    usage(commands, err);
    return ExitUsage;
}
