// SPDX-License-Identifier: GPL-3.0-or-later
// kt913-texts FILE: writes the texts of the program's tables as a source file for lupdate.
#include "shell/TranslatableTexts.h"
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fputs("usage: kt913-texts FILE\n", stderr);
        return 2;
    }
    if (!kt913::writeTranslatableTexts(args[1])) {
        std::fprintf(stderr, "kt913-texts: cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
