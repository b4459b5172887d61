// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandList.h"
#include "CsvCommands.h"
#include "DiffCommand.h"
#include "DumpCommand.h"
#include "PrintCommand.h"
#include "ReadCommand.h"
#include "ResaveCommand.h"
#include "WriteCommand.h"

namespace kt913::cli {

std::vector<std::unique_ptr<Command>> allCommands()
{
    std::vector<std::unique_ptr<Command>> list;
    list.push_back(std::make_unique<DumpCommand>());
    list.push_back(std::make_unique<ResaveCommand>());
    list.push_back(std::make_unique<ExportCsvCommand>());
    list.push_back(std::make_unique<ImportCsvCommand>());
    list.push_back(std::make_unique<DiffCommand>());
    list.push_back(std::make_unique<ReadCommand>());
    list.push_back(std::make_unique<WriteCommand>());
    list.push_back(std::make_unique<PrintCommand>());
    return list;
}

} // namespace kt913::cli
