// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application object of kt913-cli: a console application, except for the commands
// that draw (the report), which need fonts and so the GUI application.
#include <QCoreApplication>
#include <memory>

namespace kt913::cli {

std::unique_ptr<QCoreApplication> makeApplication(int &argc, char **argv);

} // namespace kt913::cli
