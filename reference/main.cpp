// Writes the reference pages of the two programs from their own command
// lines, at build time:
//   kakeibo-reference man kakeibo|kakeibo-cli DATE OUTPUT
//   kakeibo-reference completion kakeibo|kakeibo-cli OUTPUT

#include <fstream>
#include <iostream>
#include <string>

#include <CLI/CLI.hpp>

#include "BashCompletion.h"
#include "CommandLine.h"
#include "CommandTree.h"
#include "ManPage.h"
#include "app/options/WindowOptions.h"

namespace {

int usage() {
    std::cerr << "usage: kakeibo-reference man kakeibo|kakeibo-cli DATE OUTPUT\n"
                 "       kakeibo-reference completion kakeibo|kakeibo-cli OUTPUT\n";
    return 2;
}

bool writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    if (!out) std::cerr << "kakeibo-reference: cannot write " << path << '\n';
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string what = argc > 2 ? argv[1] : "";
    const std::string program = argc > 2 ? argv[2] : "";
    const bool man = what == "man" && argc == 5;
    if (!(man || (what == "completion" && argc == 4)) || (program != "kakeibo" && program != "kakeibo-cli")) {
        return usage();
    }

    // The values the definitions bind to stay alive while the tree is read.
    CLI::App app;
    kakeibo::cli::CommandLineValues cliValues;
    kakeibo::shell::WindowOptions windowValues;
    if (program == "kakeibo") {
        kakeibo::shell::defineWindowCommandLine(app, windowValues);
    } else {
        kakeibo::cli::defineCommandLine(app, cliValues);
    }
    const kakeibo::reference::CommandTree tree = kakeibo::reference::readCommandTree(app);

    if (!man) return writeFile(argv[3], kakeibo::reference::bashCompletion(tree)) ? 0 : 1;
    kakeibo::reference::ManPageHead head;
    head.date = argv[3];
    head.source = "kakeibo " KAKEIBO_VERSION;
    head.manual = "User Commands";
    head.seeAlso = {program == "kakeibo" ? "kakeibo-cli(1)" : "kakeibo(1)"};
    return writeFile(argv[4], kakeibo::reference::manPage(tree, head)) ? 0 : 1;
}
