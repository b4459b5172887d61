// kt913-cli: the program's data files and radio transfers from the command line.
#include "CliApplication.h"
#include "CommandList.h"
#include <algorithm>
#include <QtGlobal>
#include <cstdio>
#ifdef Q_OS_UNIX
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <io.h>
#endif

using namespace kt913;
using namespace kt913::cli;

namespace {

void usage(const std::vector<std::unique_ptr<Command>> &commands, QTextStream &to)
{
    to << "usage: kt913-cli [--lang en|zh] COMMAND ...\n";
    for (const auto &c : commands)
        to << "  kt913-cli " << c->synopsis().leftJustified(48) << ' ' << c->summary() << '\n';
    to << "kt913-cli COMMAND --help tells more of each command; kt913-cli --version names the version.\n";
    to.flush();
}

bool isHelp(const QString &arg)
{
    return arg == QLatin1String("--help") || arg == QLatin1String("-h");
}

// A usage mistake: what was wrong, the command's usage, where to read more.
int refuse(QTextStream &err, const QString &problem, const Command *command)
{
    err << "kt913-cli" << (command ? QLatin1Char(' ') + command->name() : QString()) << ": " << problem << '\n';
    if (command)
        err << "usage: kt913-cli " << command->synopsis() << '\n'
            << "kt913-cli " << command->name() << " --help tells more.\n";
    else
        err << "kt913-cli --help lists the commands.\n";
    err.flush();
    return ExitUsage;
}

// Whether standard error is a terminal (a progress bar is drawn only there).
bool stderrIsTerminal()
{
#ifdef Q_OS_UNIX
    return isatty(fileno(stderr));
#elif defined(Q_OS_WIN)
    return _isatty(_fileno(stderr));
#else
    return false;
#endif
}

} // namespace

int main(int argc, char **argv)
{
    const auto app = makeApplication(argc, argv);
    QTextStream out(stdout), err(stderr);
    Context ctx{out, err, Language::English, false, QString()};
    ctx.errIsTerminal = stderrIsTerminal();

    QStringList args = app->arguments().mid(1);
    const auto commands = allCommands();
    if (args.isEmpty())
        return refuse(err, QStringLiteral("no command given"), nullptr);
    if (isHelp(args.first())) {
        usage(commands, out);
        return ExitOk;
    }
    if (args.first() == QLatin1String("--version")) {
        out << "kt913-cli " PROJECT_VERSION_TEXT "\n";
        out.flush();
        return ExitOk;
    }
    const int lang = int(args.indexOf(QStringLiteral("--lang")));
    if (lang >= 0) {
        const QString value = args.value(lang + 1);
        if (value != QLatin1String("en") && value != QLatin1String("zh"))
            return refuse(err, QStringLiteral("--lang: '%1' is not a language (en or zh)").arg(value), nullptr);
        ctx.lang = value == QLatin1String("zh") ? Language::Chinese : Language::English;
        args.remove(lang, 2);
    }
    if (args.isEmpty())
        return refuse(err, QStringLiteral("no command given"), nullptr);
    for (const auto &c : commands) {
        if (c->name() != args.first())
            continue;
        const QStringList rest = args.mid(1);
        if (std::any_of(rest.begin(), rest.end(), isHelp)) {
            out << "usage: kt913-cli " << c->synopsis() << "\n" << c->summary() << "\n\n" << c->options();
            out.flush();
            return ExitOk;
        }
        const int rc = c->run(rest, ctx);
        if (rc != BadUsage)
            return rc;
        return refuse(err, ctx.usageProblem.isEmpty() ? QStringLiteral("wrong arguments") : ctx.usageProblem, c.get());
    }
    return refuse(err, QStringLiteral("unknown command %1").arg(args.first()), nullptr);
}
