#pragma once
// kakeibo-cli's command line, defined once: its commands, options, help
// and version. parseArguments reads argv through it, and the build makes
// the manual page and the shell completion from it, so neither can say
// other than --help does.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <CLI/CLI.hpp>

#include "Commands.h"

namespace kakeibo::cli {

// Where the parsed values land.
struct CommandLineValues {
    Options o;
    std::string today;
    std::vector<std::string> a = std::vector<std::string>(4);  // the page commands' arguments
    CLI::App* ex = nullptr;                                     // the export command
    std::vector<std::pair<CLI::App*, std::shared_ptr<CommandModule>>> moduleCommands;
};

// Adds every command and option to app (a default-constructed App).
void defineCommandLine(CLI::App& app, CommandLineValues& values);

}  // namespace kakeibo::cli
