#pragma once
// The month as its summary sheets show it after its "集計": every named
// spending row with its use and budget, in sheet order, and the month's
// totals from the summary line, so a chart of the month never disagrees
// with its table. Built from the sheets of the record on display.

#include <string>
#include <vector>

#include "book/Book.h"
#include "charts/TopCategories.h"

namespace kakeibo {

struct MonthCategory {
    std::string category;
    double used = 0;
    double budget = 0;
    // How many times the row counts in the spending total (0 for a card
    // purchase, whose settlement is the spending).
    int countsInTotal = 0;
    bool operator==(const MonthCategory&) const = default;
};

struct MonthSeries {
    // False while the record on display was never summed: no rows at all.
    bool summed = false;
    Date key = 0;
    Date first = 0;  // the fiscal month's first and last day
    Date last = 0;
    std::vector<MonthCategory> spending;
    double spendingTotal = 0;  // 支出合計
    double incomeTotal = 0;    // 収入合計
    double balance = 0;        // 収　支
    bool operator==(const MonthSeries&) const = default;
};

MonthSeries monthSeries(const Book& book);

// One bar of used against budget, for each row with a budget or a use.
struct BudgetBar {
    std::string label;  // the category, told apart from a namesake
    double used = 0;
    double budget = 0;
    // A budget was set and the use went past it. A row without a budget
    // has nothing to go over.
    bool overBudget = false;
    bool operator==(const BudgetBar&) const = default;
};
std::vector<BudgetBar> budgetBars(const MonthSeries& month);

// The month's spending shares: the largest categories and "その他" for the
// rest, over the rows that make up the spending total.
struct Share {
    std::string name;
    double amount = 0;
    double fraction = 0;  // of all the shares
    bool operator==(const Share&) const = default;
};
std::vector<Share> spendingShares(const MonthSeries& month);
// "食費 12,345 (23%)", the amount in the program's display form.
std::string shareLabel(const Share& share, AmountDisplay display);

}  // namespace kakeibo
