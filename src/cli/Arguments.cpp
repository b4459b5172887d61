#include "Arguments.h"

namespace kt913::cli {

Arguments::Arguments(const QStringList &args, std::initializer_list<OptionSpec> options, int positional)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        const OptionSpec *known = nullptr;
        for (const OptionSpec &o : options)
            if (a == QLatin1String(o.name))
                known = &o;
        if (known) {
            if (!known->takesValue) {
                m_names << a;
                m_values << QString();
            } else if (i + 1 < args.size()) {
                m_names << a;
                m_values << args[++i];
            } else {
                fail(QStringLiteral("%1 needs a value").arg(a));
            }
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            fail(QStringLiteral("unknown option %1").arg(a));
        } else if (m_positional.size() < positional) {
            m_positional << a;
        } else {
            fail(QStringLiteral("unexpected argument %1").arg(a));
        }
    }
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
