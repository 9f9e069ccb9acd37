#pragma once
// A manual page in roff (man macros) from a program's command line: NAME
// and DESCRIPTION from its help's description, OPTIONS and COMMANDS from its
// options and commands, and the sections of its help's footer.

#include <string>
#include <vector>

#include "CommandTree.h"

namespace kakeibo::reference {

struct ManPageHead {
    int section = 1;
    std::string date;     // "2026-12-08"
    std::string source;   // "kakeibo 0.50"
    std::string manual;   // "User Commands"
    std::vector<std::string> seeAlso;  // "kakeibo(1)"
};

std::string manPage(const CommandTree& tree, const ManPageHead& head);

// Text made safe for a roff line: backslashes, dashes, and a leading dot or
// quote that would read as a request.
std::string roffText(const std::string& text);

}  // namespace kakeibo::reference
