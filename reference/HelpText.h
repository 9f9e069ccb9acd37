#pragma once
// The free text of a --help (its footer) cut into what a manual page shows
// apart: paragraphs of running text, blocks kept line for line (the
// indented lines: tables, examples), and sections that a short heading of
// its own opens ("Examples:", "Exit status: 0 done; ...").

#include <string>
#include <vector>

namespace kakeibo::reference {

struct HelpBlock {
    bool verbatim = false;           // lines kept as they are, indentation and all
    std::vector<std::string> lines;  // running text: its lines, to be filled
};

struct HelpSection {
    std::string title;  // "Examples"; empty for the text before any heading
    std::vector<HelpBlock> blocks;
};

std::vector<HelpSection> splitHelpText(const std::string& text);

}  // namespace kakeibo::reference
