// SPDX-License-Identifier: GPL-3.0-or-later
// kt913-make-icons OUTDIR: writes the program's icon as the desktop's icon theme wants
// it, OUTDIR/hicolor/NxN/apps/kt913.png for each size, when building.
#include "widgets/AppIcon.h"
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fputs("usage: kt913-make-icons OUTDIR\n", stderr);
        return 2;
    }
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(args[1]).arg(size);
        const QString path = dir + QStringLiteral("/kt913.png");
        if (!QDir().mkpath(dir) || !kt913::appIconImage(size).save(path)) {
            std::fprintf(stderr, "kt913-make-icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
