#pragma once
// One money movement of a statement, whatever format it came in: the day,
// what the statement calls it, the signed amount and, when the file names
// one, its category. Readers turn their rows into these; the landing
// decides where each goes in the book.

#include <string>
#include <vector>

#include "exchange/ReadProblem.h"
#include "model/Dates.h"

namespace kakeibo {

struct StatementRow {
    int line = 0;
    Date date = 0;
    std::string description;
    double amount = 0;      // money in is positive, money out negative
    std::string category;   // as the file names it (QIF), or empty
    std::vector<std::string> memos;  // lines for the card's memo
    bool operator==(const StatementRow&) const = default;
};

struct StatementRows {
    std::vector<StatementRow> rows;
    std::vector<ReadProblem> bad;
};

// The error texts of rows, shared by the formats.
std::string dateError(const std::string& text);
std::string amountError(const std::string& text);

// Bad rows in the order of the file.
void sortByLine(std::vector<ReadProblem>& problems);

}  // namespace kakeibo
