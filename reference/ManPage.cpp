#include "ManPage.h"

#include <cctype>
#include <sstream>

#include "HelpText.h"

namespace kakeibo::reference {

namespace {

std::string upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string joined(const std::vector<std::string>& words, const std::string& between) {
    std::string text;
    for (const std::string& word : words) text += (text.empty() ? "" : between) + word;
    return text;
}

// "kakeibo-cli: みらぶの家計簿, ... window." gives "みらぶの家計簿, ... window".
std::string summaryOf(const CommandTree& tree) {
    std::string summary = tree.description;
    const std::string prefix = tree.program + ": ";
    if (summary.rfind(prefix, 0) == 0) summary.erase(0, prefix.size());
    if (!summary.empty() && summary.back() == '.') summary.pop_back();
    return summary;
}

std::string optionLine(const OptionEntry& option) {
    std::vector<std::string> names;
    for (const std::string& name : option.names) names.push_back("\\fB" + roffText(name) + "\\fR");
    std::string line = joined(names, ", ");
    if (!option.valueName.empty()) line += " \\fI" + roffText(option.valueName) + "\\fR";
    return line;
}

void writeOptions(std::ostream& out, const std::vector<OptionEntry>& options) {
    for (const OptionEntry& option : options) {
        out << ".TP\n" << optionLine(option) << '\n' << roffText(option.description) << '\n';
    }
}

void writeCommand(std::ostream& out, const CommandEntry& command) {
    out << ".TP\n\\fB" << roffText(joined(command.path, " ")) << "\\fR";
    for (const ArgumentEntry& argument : command.arguments) out << " \\fI" << roffText(argument.name) << "\\fR";
    if (!command.commands.empty()) out << " \\fI" << "COMMAND" << "\\fR";
    out << '\n' << roffText(command.description) << '\n';
    // What the arguments are written as, on one line: "FROM: YYYY-MM-DD, TO: YYYY-MM-DD".
    std::vector<std::string> forms;
    for (const ArgumentEntry& argument : command.arguments) {
        if (!argument.description.empty()) {
            forms.push_back("\\fI" + roffText(argument.name) + "\\fR: " + roffText(argument.description));
        }
    }
    bool described = !forms.empty();
    if (described) out << ".RS\n.PP\n" << joined(forms, ", ") << '\n';
    if (!command.options.empty()) {
        if (!described) out << ".RS\n";
        described = true;
        writeOptions(out, command.options);
    }
    if (described) out << ".RE\n";
}

void writeBlocks(std::ostream& out, const std::vector<HelpBlock>& blocks) {
    for (const HelpBlock& block : blocks) {
        if (block.verbatim) {
            // Kept line for line, as --help shows it, less the common indent.
            std::size_t indent = std::string::npos;
            for (const std::string& line : block.lines) indent = std::min(indent, line.find_first_not_of(' '));
            out << ".PP\n.RS 4\n.nf\n";
            for (const std::string& line : block.lines) out << roffText(line.substr(indent)) << '\n';
            out << ".fi\n.RE\n";
        } else {
            out << ".PP\n";
            for (const std::string& line : block.lines) out << roffText(line) << '\n';
        }
    }
}

}  // namespace

std::string roffText(const std::string& text) {
    std::string safe;
    safe.reserve(text.size() + 8);
    for (char c : text) {
        if (c == '\\') {
            safe += "\\e";
        } else if (c == '-') {
            safe += "\\-";
        } else {
            safe += c;
        }
    }
    if (!safe.empty() && (safe.front() == '.' || safe.front() == '\'')) safe.insert(0, "\\&");
    return safe;
}

std::string manPage(const CommandTree& tree, const ManPageHead& head) {
    std::ostringstream out;
    out << ".\\\" Made from the command line of " << tree.program << " by the build; edit that, not this.\n";
    out << ".TH " << upper(roffText(tree.program)) << ' ' << head.section << " \"" << head.date << "\" \""
        << head.source << "\" \"" << head.manual << "\"\n";
    out << ".SH NAME\n" << roffText(tree.program) << " \\- " << roffText(summaryOf(tree)) << '\n';

    const CommandEntry& program = tree.commands.front();
    out << ".SH SYNOPSIS\n\\fB" << roffText(tree.program) << "\\fR";
    if (!program.options.empty()) out << " [\\fIOPTIONS\\fR]";
    if (!program.commands.empty()) out << " \\fICOMMAND\\fR [\\fIARGUMENTS\\fR]";
    out << '\n';

    const std::vector<HelpSection> sections = splitHelpText(tree.footer);
    out << ".SH DESCRIPTION\n" << roffText(tree.description) << '\n';
    if (!sections.empty() && sections.front().title.empty()) writeBlocks(out, sections.front().blocks);

    if (!program.options.empty()) {
        out << ".SH OPTIONS\n";
        writeOptions(out, program.options);
        if (tree.optionsAfterCommands && !program.commands.empty()) {
            out << ".PP\nThese options may also follow the command.\n";
        }
    }
    if (tree.commands.size() > 1) {
        out << ".SH COMMANDS\n";
        for (std::size_t i = 1; i < tree.commands.size(); ++i) writeCommand(out, tree.commands[i]);
    }
    for (const HelpSection& section : sections) {
        if (section.title.empty()) continue;
        out << ".SH " << upper(roffText(section.title)) << '\n';
        writeBlocks(out, section.blocks);
    }
    if (!head.seeAlso.empty()) {
        std::vector<std::string> pages;
        for (const std::string& page : head.seeAlso) {
            const std::size_t paren = page.find('(');
            pages.push_back(".BR " + roffText(page.substr(0, paren)) + " " + page.substr(paren));
        }
        out << ".SH SEE ALSO\n" << joined(pages, ",\n") << '\n';
    }
    return out.str();
}

}  // namespace kakeibo::reference
