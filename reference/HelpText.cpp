#include "HelpText.h"

#include <regex>
#include <sstream>

namespace kakeibo::reference {

namespace {

// A heading is a capitalised phrase of at most three words and a colon at
// the start of a paragraph; text may follow it on the same line.
bool splitHeading(const std::string& line, std::string& title, std::string& rest) {
    static const std::regex heading(R"(^([A-Z][a-z]*(?: [a-z]+){0,2}):(?: +(.*))?$)");
    std::smatch match;
    if (!std::regex_match(line, match, heading)) return false;
    title = match[1];
    rest = match[2];
    return true;
}

bool isIndented(const std::string& line) { return !line.empty() && line.front() == ' '; }

}  // namespace

std::vector<HelpSection> splitHelpText(const std::string& text) {
    std::vector<HelpSection> sections(1);
    std::istringstream in(text);
    std::string line;
    bool paragraphStart = true;
    while (std::getline(in, line)) {
        while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) line.pop_back();
        if (line.empty()) {
            paragraphStart = true;
            continue;
        }
        std::string title;
        std::string rest;
        if (paragraphStart && !isIndented(line) && splitHeading(line, title, rest)) {
            sections.push_back(HelpSection{title, {}});
            paragraphStart = false;
            if (rest.empty()) continue;
            line = rest;
        }
        const bool verbatim = isIndented(line);
        std::vector<HelpBlock>& blocks = sections.back().blocks;
        if (paragraphStart || blocks.empty() || blocks.back().verbatim != verbatim) blocks.push_back({verbatim, {}});
        blocks.back().lines.push_back(line);
        paragraphStart = false;
    }
    if (sections.front().blocks.empty()) sections.erase(sections.begin());
    return sections;
}

}  // namespace kakeibo::reference
