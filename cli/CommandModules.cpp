#include "CommandModule.h"
#include "ImportCommand.h"
#include "SearchCommand.h"
#include "SeriesCommand.h"

namespace kakeibo::cli {

std::shared_ptr<CommandModule> makeBackupsCommand();
std::shared_ptr<CommandModule> makeRestoreBackupCommand();

std::vector<std::shared_ptr<CommandModule>> makeCommandModules() {
    std::vector<std::shared_ptr<CommandModule>> modules;
    modules.push_back(std::make_shared<SearchCommand>());
    modules.push_back(makeBackupsCommand());
    modules.push_back(makeRestoreBackupCommand());
    modules.push_back(makeSeriesCommand());
    modules.push_back(makeImportCommand());
    return modules;
}

}  // namespace kakeibo::cli
