#include "CommandList.h"
#include "DumpCommand.h"
#include "ReadCommand.h"
#include "ResaveCommand.h"
#include "WriteCommand.h"

namespace kt913::cli {

std::vector<std::unique_ptr<Command>> allCommands()
{
    std::vector<std::unique_ptr<Command>> list;
    list.push_back(std::make_unique<DumpCommand>());
    list.push_back(std::make_unique<ResaveCommand>());
    list.push_back(std::make_unique<ReadCommand>());
    list.push_back(std::make_unique<WriteCommand>());
    return list;
}

} // namespace kt913::cli
