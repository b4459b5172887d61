// SPDX-License-Identifier: GPL-3.0-or-later
#include "Arguments.h"

namespace kt913::cli {

Arguments::Arguments(const QStringList &args, std::initializer_list<OptionSpec> options, int positional)
{
    bool optionsEnded = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool looksLikeOption = !optionsEnded && a.startsWith(QLatin1Char('-')) && a.size() > 1;
        if (looksLikeOption && a == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (!looksLikeOption) {
            if (m_positional.size() < positional)
                m_positional << a;
            else
                fail(QStringLiteral("unexpected argument %1").arg(a));
            continue;
        }
        // The option's name and, when written into the same argument, its value.
        const bool isLong = a.startsWith(QLatin1String("--"));
        const qsizetype equals = a.indexOf(QLatin1Char('='));
        QString name = a, attached;
        bool hasAttached = false;
        if (equals > 0 && (isLong || equals == 2)) {
            name = a.left(equals);
            attached = a.mid(equals + 1);
            hasAttached = true;
        } else if (!isLong && a.size() > 2) {
            name = a.left(2);
            attached = a.mid(2);
            hasAttached = true;
        }
        const OptionSpec *known = nullptr;
        for (const OptionSpec &o : options)
            if (name == QLatin1String(o.name))
                known = &o;
        if (!known) {
            fail(QStringLiteral("unknown option %1").arg(isLong ? name : a));
        } else if (!known->takesValue) {
            if (hasAttached)
                fail(QStringLiteral("%1 takes no value").arg(name));
            else
                take(*known, QString());
        } else if (hasAttached) {
            take(*known, attached);
        } else if (i + 1 < args.size()) {
            take(*known, args[++i]);
        } else {
            fail(QStringLiteral("%1 needs a value").arg(name));
        }
    }
}

void Arguments::take(const OptionSpec &option, const QString &value)
{
    if (value == QLatin1String("-") && !option.dashIsStandardOutput)
        fail(QStringLiteral("%1 -: standard output is not possible here (./- names a file called -)")
                 .arg(QLatin1String(option.name)));
    m_names << QLatin1String(option.name);
    m_values << value;
}

bool Arguments::has(const char *option) const
{
    return m_names.contains(QLatin1String(option));
}

QString Arguments::value(const char *option) const
{
    const qsizetype i = m_names.lastIndexOf(QLatin1String(option));
    return i < 0 ? QString() : m_values[i];
}

QStringList Arguments::values(const char *option) const
{
    QStringList all;
    for (qsizetype i = 0; i < m_names.size(); ++i)
        if (m_names[i] == QLatin1String(option))
            all << m_values[i];
    return all;
}

void Arguments::require(const char *option, const char *what)
{
    if (!has(option) || value(option).isEmpty())
        fail(QStringLiteral("%1 %2 is missing").arg(QLatin1String(option), QLatin1String(what)));
}

void Arguments::requirePositional(int i, const char *what)
{
    if (positional(i).isEmpty())
        fail(QStringLiteral("%1 is missing").arg(QLatin1String(what)));
}

int Arguments::number(const char *option, int low, int high, int fallback)
{
    if (!has(option))
        return fallback;
    bool ok = false;
    const int v = value(option).toInt(&ok);
    if (ok && v >= low && v <= high)
        return v;
    fail(QStringLiteral("%1: '%2' is not a number from %3 to %4").arg(QLatin1String(option), value(option)).arg(low).arg(high));
    return -1;
}

void Arguments::fail(const QString &problem)
{
    if (m_problem.isEmpty())
        m_problem = problem;
}

} // namespace kt913::cli
