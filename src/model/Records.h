#pragma once
// The household records: day cards with their entry lines, budget rows and
// summary rows; month records; week and year cursors with their tables.
// A record owns its sub-lists; the counts the files store are the lengths
// of those lists, so the two can never disagree.

#include <string>
#include <vector>

#include "model/Dates.h"

namespace kakeibo {

// One entry line: spending, income or account.
struct TKiroku {
    std::string item;      // column 0
    std::string category;  // column 2
    double amount = 0;     // column 1
    bool operator==(const TKiroku&) const = default;
};

// One budget row (day card) or spending row (month record).
struct TYosan {
    std::string name;
    double amount1 = 0;
    double amount2 = 0;
    bool operator==(const TYosan&) const = default;
};

// One summary row.
struct TMatome {
    std::string name;
    double amount = 0;
    bool operator==(const TMatome&) const = default;
};

// One day card.
struct TIndex {
    Date date = 0;
    std::vector<TKiroku> spendList;
    std::vector<TKiroku> incomeList;
    std::vector<TKiroku> accountList;
    std::vector<TYosan> budgetList;
    std::vector<TMatome> summaryList;
    std::string memo;  // lines, each followed by CR LF

    int spendCount() const { return static_cast<int>(spendList.size()); }
    int incomeCount() const { return static_cast<int>(incomeList.size()); }
    int accountCount() const { return static_cast<int>(accountList.size()); }
    int budgetCount() const { return static_cast<int>(budgetList.size()); }
    int summaryCount() const { return static_cast<int>(summaryList.size()); }

    bool operator==(const TIndex&) const = default;
};

// One fiscal month's stored summary.
struct MonthRecord {
    Date key = 0;  // first day of the calendar month the fiscal month is named after
    std::vector<TYosan> spendList;
    std::vector<TMatome> incomeList;
    std::vector<TMatome> summaryList;
    double totalSpend = 0;
    double totalIncome = 0;
    double balance = 0;
    double cashTotal = 0;
    double accountTotal = 0;
    double householdTotal = 0;
    double savings = 0;
    double unpaidCredit = 0;
    double householdChange = 0;

    int spendCount() const { return static_cast<int>(spendList.size()); }
    int incomeCount() const { return static_cast<int>(incomeList.size()); }
    int summaryCount() const { return static_cast<int>(summaryList.size()); }

    bool operator==(const MonthRecord&) const = default;
};

// One value of a summary table row, columns 2.. of a week or year sheet.
struct SumCell {
    double value = 0;
    bool operator==(const SumCell&) const = default;
};

// One row of a week or year summary sheet.
struct TSumTable {
    std::string name;  // column 0
    double total = 0;  // column 1
    std::vector<SumCell> cells;  // columns 2 .. last

    int cellCount() const { return static_cast<int>(cells.size()); }
    bool operator==(const TSumTable&) const = default;
};

// One week (start = its Sunday) or calendar year (start = 1 January).
struct PeriodCursor {
    Date start = 0;
    std::vector<TSumTable> spendTable;
    std::vector<TSumTable> incomeTable;
    int spendRows = 0;   // row count n of the last store
    int incomeRows = 0;

    bool operator==(const PeriodCursor&) const = default;
};

// The date a list orders its records by.
inline Date& listKey(TIndex& r) { return r.date; }
inline Date& listKey(MonthRecord& r) { return r.key; }
inline Date& listKey(PeriodCursor& r) { return r.start; }
inline Date listKey(const TIndex& r) { return r.date; }
inline Date listKey(const MonthRecord& r) { return r.key; }
inline Date listKey(const PeriodCursor& r) { return r.start; }

}  // namespace kakeibo
