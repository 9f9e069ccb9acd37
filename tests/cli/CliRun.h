#pragma once
// Runs the built kakeibo-cli on a program folder, as a person's script
// would, and keeps what it printed.

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "support/TempDir.h"

namespace kakeibo::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
    nlohmann::json doc() const { return nlohmann::json::parse(out); }
};

inline std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// kakeibo-cli --dir DIR ARGS, its output kept beside the folder's files.
inline CliRun cli(const TempDir& dir, const std::string& args) {
    const std::string out = dir.file("stdout.txt");
    const std::string err = dir.file("stderr.txt");
    const std::string command =
        std::string(KAKEIBO_CLI_PATH) + " --dir '" + dir.path() + "' " + args + " >'" + out + "' 2>'" + err + "'";
    CliRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = slurp(out);
    run.err = slurp(err);
    return run;
}

}  // namespace kakeibo::test
