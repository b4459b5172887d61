#include "CommandList.h"
#include "DumpCommand.h"
#include "ResaveCommand.h"

namespace kt913::cli {

std::vector<std::unique_ptr<Command>> allCommands()
{
    std::vector<std::unique_ptr<Command>> list;
    list.push_back(std::make_unique<DumpCommand>());
    list.push_back(std::make_unique<ResaveCommand>());
    return list;
}

} // namespace kt913::cli
