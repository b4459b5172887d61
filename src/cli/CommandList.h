// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Command.h"
#include <memory>
#include <vector>

namespace kt913::cli {
std::vector<std::unique_ptr<Command>> allCommands();
}
