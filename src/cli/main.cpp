// SPDX-License-Identifier: GPL-3.0-or-later
// kt913-cli: the program's data files and radio transfers from the command line.
#include "CliApplication.h"
#include "CommandList.h"
#include "TextColumns.h"
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

constexpr int kHelpWidth = 80; // help fits a terminal's default width

void usage(const std::vector<std::unique_ptr<Command>> &commands, QTextStream &to)
{
    to << "usage: kt913-cli [--lang en|zh] COMMAND [OPTIONS] FILE...\n\nCommands:\n";
    int nameWidth = 0;
    for (const auto &c : commands)
        nameWidth = std::max(nameWidth, int(c->name().size()));
    for (const auto &c : commands) {
        const QString first = QStringLiteral("  ") + padToWidth(c->name(), nameWidth + 2);
        for (const QString &line : wrapWords(c->summary(), first, int(first.size()), kHelpWidth))
            to << line << '\n';
    }
    to << "\nOptions:\n"
          "  --lang en|zh   the language of messages, names and values (default en)\n"
          "  -h, --help     this list; kt913-cli COMMAND --help tells a command's options\n"
          "  --version      the program's name and version\n";
    to.flush();
}

// "usage: kt913-cli " and the command's synopsis, broken into lines that fit.
QString usageLines(const Command &command)
{
    const QString first = QStringLiteral("usage: kt913-cli ");
    return wrapWords(command.synopsis(), first, int(first.size()) + 2, kHelpWidth).join(QLatin1Char('\n'))
         + QLatin1Char('\n');
}

bool isHelp(const QString &arg)
{
    return arg == QLatin1String("--help") || arg == QLatin1String("-h");
}

// The arguments up to "--": only these can be options of the program itself.
QStringList beforeEndOfOptions(const QStringList &args)
{
    const qsizetype end = args.indexOf(QStringLiteral("--"));
    return end < 0 ? args : args.mid(0, end);
}

// Takes "--lang VALUE" or "--lang=VALUE" out of `args`, wherever it stands before "--".
// False, with the problem, when the value is no language.
bool takeLanguage(QStringList &args, Language &lang, QString &problem)
{
    for (qsizetype i = 0; i < beforeEndOfOptions(args).size(); ++i) {
        QString value;
        if (args[i] == QLatin1String("--lang")) {
            value = args.value(i + 1);
            args.remove(i, qMin<qsizetype>(2, args.size() - i));
        } else if (args[i].startsWith(QLatin1String("--lang="))) {
            value = args[i].mid(7);
            args.remove(i);
        } else {
            continue;
        }
        if (value != QLatin1String("en") && value != QLatin1String("zh")) {
            problem = QStringLiteral("--lang: '%1' is not a language (en or zh)").arg(value);
            return false;
        }
        lang = value == QLatin1String("zh") ? Language::Chinese : Language::English;
        --i;
    }
    return true;
}

// A usage mistake: what was wrong, the command's usage, where to read more.
int refuse(QTextStream &err, const QString &problem, const Command *command)
{
    err << "kt913-cli" << (command ? QLatin1Char(' ') + command->name() : QString()) << ": " << problem << '\n';
    if (command)
        err << usageLines(*command) << "kt913-cli " << command->name() << " --help tells more.\n";
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
    QString problem;
    if (!takeLanguage(args, ctx.lang, problem))
        return refuse(err, problem, nullptr);
    // Help and version are answered wherever they stand, before anything is checked.
    const QStringList options = beforeEndOfOptions(args);
    if (options.contains(QStringLiteral("--version"))) {
        out << "kt913-cli " PROJECT_VERSION_TEXT "\n";
        out.flush();
        return ExitOk;
    }
    const bool help = std::any_of(options.begin(), options.end(), isHelp);
    const QString word = args.value(0);
    if (help && (word.isEmpty() || isHelp(word))) {
        usage(commands, out);
        return ExitOk;
    }
    if (args.isEmpty())
        return refuse(err, QStringLiteral("no command given"), nullptr);
    for (const auto &c : commands) {
        if (c->name() != word)
            continue;
        if (help) {
            out << usageLines(*c) << c->summary() << "\n\n" << c->options();
            out.flush();
            return ExitOk;
        }
        const int rc = c->run(args.mid(1), ctx);
        if (rc != BadUsage)
            return rc;
        return refuse(err, ctx.usageProblem.isEmpty() ? QStringLiteral("wrong arguments") : ctx.usageProblem, c.get());
    }
    if (word.startsWith(QLatin1Char('-')))
        return refuse(err, QStringLiteral("unknown option %1 (the command comes first)").arg(word), nullptr);
    return refuse(err, QStringLiteral("unknown command %1").arg(word), nullptr);
}
