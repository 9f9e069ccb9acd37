#pragma once
// The window program's command line, defined once: --dir, --help and
// --version, with the help text that says where the book lives. It is read
// before the application object exists, so --help and --version answer on
// a terminal without a display; the build makes the manual page and the
// shell completion from the same definition.
// Plain C++: the reference pages are made from it without Qt.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

namespace kakeibo::shell {

struct WindowOptions {
    std::string folder;  // --dir; empty: the folder the program chooses
};

// Adds the options to app (a default-constructed App), binding them to options.
void defineWindowCommandLine(CLI::App& app, WindowOptions& options);

struct WindowArguments {
    WindowOptions options;
    // argv[0] and every argument the program does not know, in their order,
    // for Qt to take its own (-platform, -style, ...) from.
    std::vector<std::string> forQt;
};

// Reads argv. Nothing, with status set, when the program ends at once:
// after --help or --version (0) or a usage error (2), written to out or err.
std::optional<WindowArguments> parseWindowArguments(int argc, char** argv, std::ostream& out,
                                                    std::ostream& err, int& status);

// The usage error for arguments that neither the program nor Qt took.
std::string unknownArgumentsMessage(const std::vector<std::string>& left);

}  // namespace kakeibo::shell
