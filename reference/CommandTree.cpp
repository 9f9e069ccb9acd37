#include "CommandTree.h"

#include <CLI/CLI.hpp>

namespace kakeibo::reference {

namespace {

ValueKind kindOf(const std::string& name) {
    if (name == "FILE") return ValueKind::File;
    if (name == "DIR") return ValueKind::Folder;
    return ValueKind::Text;
}

OptionEntry optionEntry(const CLI::Option& option) {
    OptionEntry entry;
    for (const std::string& name : option.get_snames()) entry.names.push_back("-" + name);
    for (const std::string& name : option.get_lnames()) entry.names.push_back("--" + name);
    if (option.get_type_size_max() > 0) {
        entry.valueName = option.get_type_name();
        entry.value = kindOf(entry.valueName);
    }
    entry.description = option.get_description();
    return entry;
}

void addCommand(const CLI::App& app, std::vector<std::string> path, CommandTree& tree) {
    CommandEntry entry;
    entry.path = path;
    entry.description = app.get_description();
    for (const CLI::Option* option : app.get_options()) {
        if (option->get_group().empty()) continue;
        // Every command takes --help; the program's own entry says so once.
        if (!path.empty() && option == app.get_help_ptr()) continue;
        if (option->get_positional() && !option->nonpositional()) {
            const std::string name = option->get_name(true);
            entry.arguments.push_back({name, kindOf(name), option->get_description()});
        } else {
            entry.options.push_back(optionEntry(*option));
        }
    }
    const auto shown = [](const CLI::App* sub) { return !sub->get_group().empty(); };
    const std::vector<const CLI::App*> subs = app.get_subcommands(shown);
    for (const CLI::App* sub : subs) entry.commands.push_back(sub->get_name());
    tree.commands.push_back(std::move(entry));
    for (const CLI::App* sub : subs) {
        std::vector<std::string> subPath = path;
        subPath.push_back(sub->get_name());
        addCommand(*sub, subPath, tree);
    }
}

}  // namespace

CommandTree readCommandTree(const CLI::App& app) {
    CommandTree tree;
    tree.program = app.get_name();
    tree.description = app.get_description();
    tree.footer = app.get_footer();
    tree.optionsAfterCommands = app.get_fallthrough();
    addCommand(app, {}, tree);
    return tree;
}

}  // namespace kakeibo::reference
