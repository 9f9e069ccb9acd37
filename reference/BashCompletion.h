#pragma once
// A bash completion script for a program, from its command line: it
// offers the commands where a command is asked, the options (the
// program's own too after a command, when it takes them there), and file
// or folder names where an argument or option value names a FILE or DIR.
// It needs bash-completion's _init_completion and _filedir.

#include <string>

#include "CommandTree.h"

namespace kakeibo::reference {

std::string bashCompletion(const CommandTree& tree);

}  // namespace kakeibo::reference
