#include "CommandModule.h"

namespace kakeibo::cli {

std::vector<std::shared_ptr<CommandModule>> makeCommandModules() {
    std::vector<std::shared_ptr<CommandModule>> modules;
    return modules;
}

}  // namespace kakeibo::cli
