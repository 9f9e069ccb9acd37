#pragma once
// kakeibo-cli series: the data of the graph window's charts as JSON, each
// after the same "集計" the summary pages run, so a script sees what the
// window draws and what the summary sheets hold.

#include <memory>

#include "CommandModule.h"

namespace kakeibo::cli {

std::shared_ptr<CommandModule> makeSeriesCommand();

}  // namespace kakeibo::cli
