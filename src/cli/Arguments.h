// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The arguments of one command, read against the options it knows. Every mistake is
// put into words that name the option and say what is wrong, for the usage message.
// Values come as "--port PORT", "--port=PORT", "-o FILE", "-o=FILE" or "-oFILE";
// after "--" everything is a plain argument, so a file may begin with a dash.
#include <QString>
#include <QStringList>
#include <initializer_list>

namespace kt913::cli {

struct OptionSpec {
    const char *name; // "--port", "-o"
    bool takesValue;
    // "-" as the value means standard output. Where it does not (data files, traces),
    // it is refused rather than taken as a file named "-".
    bool dashIsStandardOutput = false;
};

// An output option whose "-" is standard output: the commands that print text.
constexpr OptionSpec textOutput(const char *name) { return {name, true, true}; }

class Arguments {
public:
    // `positional`: how many plain arguments (files) the command takes.
    Arguments(const QStringList &args, std::initializer_list<OptionSpec> options, int positional);

    bool ok() const { return m_problem.isEmpty(); }
    const QString &problem() const { return m_problem; }

    bool has(const char *option) const;
    QString value(const char *option) const; // the last one given
    QStringList values(const char *option) const; // every one, in order
    QString positional(int i) const { return m_positional.value(i); }

    // Checks that chain: each records the first problem only.
    void require(const char *option, const char *what);      // "--port PORT is missing"
    void requirePositional(int i, const char *what);          // "FILE.dat is missing"
    // The option's value as a whole number within [low, high], or -1 (with a problem)
    // when it is given and is none; `fallback` when it is not given.
    int number(const char *option, int low, int high, int fallback);
    void fail(const QString &problem);

private:
    void take(const OptionSpec &option, const QString &value);

    QStringList m_names, m_values, m_positional;
    QString m_problem;
};

// Whether a value of a textOutput option means standard output.
inline bool isStandardOutput(const QString &path) { return path.isEmpty() || path == QLatin1String("-"); }

} // namespace kt913::cli
