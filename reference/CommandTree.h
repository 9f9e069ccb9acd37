#pragma once
// A command line as the reference pages need it, read from a CLI11 App:
// the commands (subcommands, to any depth), each with its options and its
// arguments, and the help's description and footer. Hidden options and
// commands (CLI11's empty group) are left out, as --help leaves them out.
//
// What a value asks for is read from its name: an argument or option value
// named FILE is a file, DIR a folder; the completion offers names of those.

#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace kakeibo::reference {

enum class ValueKind { Text, File, Folder };

struct OptionEntry {
    std::vector<std::string> names;  // "-h", "--help", in the order given
    std::string valueName;           // "DIR", "TEXT"; empty for a flag
    ValueKind value = ValueKind::Text;
    std::string description;
};

struct ArgumentEntry {
    std::string name;  // "DATE", "FILE"
    ValueKind value = ValueKind::Text;
    std::string description;
};

struct CommandEntry {
    std::vector<std::string> path;  // {"export", "hibi"}; empty for the program itself
    std::string description;
    std::vector<OptionEntry> options;
    std::vector<ArgumentEntry> arguments;
    std::vector<std::string> commands;  // the names of its own subcommands
};

struct CommandTree {
    std::string program;      // "kakeibo-cli"
    std::string description;  // the first line of --help
    std::string footer;       // the text after the option lists
    // The program itself first, then every command depth-first in the
    // order --help lists them.
    std::vector<CommandEntry> commands;
    // Whether the program's own options are taken after a command too.
    bool optionsAfterCommands = false;
};

CommandTree readCommandTree(const CLI::App& app);

}  // namespace kakeibo::reference
