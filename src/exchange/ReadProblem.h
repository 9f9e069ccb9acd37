#pragma once
// A line of a statement file that could not be taken, with the reason in
// words for the person who has to mend the file.

#include <string>

namespace kakeibo {

struct ReadProblem {
    int line = 0;  // 1-based line of the file where the row begins
    std::string error;
    bool operator==(const ReadProblem&) const = default;
};

}  // namespace kakeibo
