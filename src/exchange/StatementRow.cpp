#include "exchange/StatementRow.h"

#include <algorithm>

namespace kakeibo {

std::string dateError(const std::string& text) { return "日付が読めません（" + text + "）"; }
std::string amountError(const std::string& text) { return "金額が数字ではありません（" + text + "）"; }

void sortByLine(std::vector<ReadProblem>& problems) {
    std::stable_sort(problems.begin(), problems.end(),
                     [](const ReadProblem& a, const ReadProblem& b) { return a.line < b.line; });
}

}  // namespace kakeibo
