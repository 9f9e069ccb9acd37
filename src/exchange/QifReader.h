#pragma once
// QIF, the Quicken Interchange Format other personal-finance programs
// write: a "!Type:" header line, then records of one field a line (a letter
// and its value) ended by "^". Only the registers of money are read here:
// Bank, Cash and CCard. Lists (categories, classes, memorized payees,
// account descriptions) are read over; investment and other registers are
// reported, since they are not household money.

#include <string>
#include <string_view>
#include <vector>

#include "exchange/ReadProblem.h"

namespace kakeibo {

// One split of a record: S category, E memo, $ amount.
struct QifSplit {
    int line = 0;  // the split's first line
    std::string category;
    std::string memo;
    std::string amount;  // empty when the split has none
    bool operator==(const QifSplit&) const = default;
};

// One transaction, its fields as the file writes them.
struct QifRecord {
    int line = 0;  // the record's first line
    std::string date;      // D
    std::string amount;    // T, or U when there is no T
    std::string payee;     // P
    std::string category;  // L
    std::string memo;      // M
    std::vector<QifSplit> splits;
    bool operator==(const QifRecord&) const = default;
};

struct QifFile {
    std::vector<QifRecord> records;
    std::vector<ReadProblem> problems;
};

QifFile readQif(std::string_view text);

}  // namespace kakeibo
