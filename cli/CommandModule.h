#pragma once
// A command of kakeibo-cli that lives in a file of its own (search, series,
// import, ...): it adds its subcommand and its options to the parser, checks
// the values it was given, and runs. The page commands of Commands.cpp keep
// their own table; a new capability adds a module and one line to
// makeCommandModules. The manual page and the bash completion are made from
// the parser at build time: name an argument that takes a file FILE, and
// give an option's value ->type_name("FILE") or ("DIR"), for the completion
// to offer file or folder names there.

#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "Commands.h"
#include "JsonOutput.h"
#include "book/Book.h"

namespace kakeibo::cli {

class CommandModule {
public:
    virtual ~CommandModule() = default;
    // Adds the subcommand and its options to app. The parsed values stay in
    // the module; the returned subcommand tells whether it was chosen.
    virtual CLI::App* addTo(CLI::App& app) = 0;
    // After parsing, when this command was chosen: the text of a usage error
    // (exit status 2), or nothing.
    virtual std::optional<std::string> check() { return std::nullopt; }
    // Runs the command with the common options; returns the exit status.
    // The parser and the subcommands addTo made are gone by then: what run
    // needs of them, check keeps.
    virtual int run(const Options& options, std::ostream& out, std::ostream& err) = 0;
};

// Every command module, in the order --help lists them after the page commands.
std::vector<std::shared_ptr<CommandModule>> makeCommandModules();

// The program folder the options name (the window program's when none),
// with a trailing "/".
std::string folderOf(const Options& options);

// Runs work on the book between its start-up and its shutdown, as every
// page command does: refuses (status 1) while another program has the
// folder, prints work's JSON to out, and returns 1 when a file failure
// message was shown, else 0. The window settings go back as they were read.
// Without writeFiles the shutdown is left out: nothing is written.
int runOnStartedBook(const Options& options, std::ostream& out, std::ostream& err,
                     const std::function<Json(Book&)>& work, bool writeFiles = true);

}  // namespace kakeibo::cli
