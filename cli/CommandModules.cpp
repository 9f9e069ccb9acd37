#include "CommandModule.h"

#include "SearchCommand.h"

namespace kakeibo::cli {

std::vector<std::shared_ptr<CommandModule>> makeCommandModules() {
    std::vector<std::shared_ptr<CommandModule>> modules;
    modules.push_back(std::make_shared<SearchCommand>());
    return modules;
}

}  // namespace kakeibo::cli
