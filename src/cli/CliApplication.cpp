// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliApplication.h"
#include <QGuiApplication>
#include <cstring>

namespace kt913::cli {

namespace {

// The command word: the first argument that is not the global "--lang VALUE".
const char *commandWord(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--lang") == 0) {
            ++i;
            continue;
        }
        if (std::strncmp(argv[i], "--lang=", 7) == 0)
            continue;
        return argv[i];
    }
    return "";
}

} // namespace

std::unique_ptr<QCoreApplication> makeApplication(int &argc, char **argv)
{
    if (std::strcmp(commandWord(argc, argv), "print") == 0) {
        // A PDF needs no screen: without a platform named, the report is drawn offscreen,
        // so the command also works over ssh, in cron and with a stale DISPLAY.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace kt913::cli
