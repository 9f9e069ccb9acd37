#include "charts/MonthSeries.h"

#include <algorithm>
#include <cmath>

#include "charts/SpendingRows.h"
#include "model/Dates.h"
#include "sheets/SheetOps.h"

namespace kakeibo {

namespace {

constexpr int kSumSpendCol = 1;
constexpr int kSumIncomeCol = 2;
constexpr int kSumBalanceCol = 3;

double amountAt(const Sheet& sheet, int col, int row) { return textToAmount(sheet.cell(col, row)); }

}  // namespace

MonthSeries monthSeries(const Book& book) {
    MonthSeries month;
    if (book.months.empty()) return month;
    month.key = book.months.cur().key;
    const Ymd key = splitDate(month.key);
    month.first = getMonthStartOfKey(key.year, key.month, book.shonichi());
    month.last = getMonthLastDay(month.first, book.shonichi());

    const SpendingKeyCounts counts = spendingKeyCounts(book);
    const Sheet& sheet = book.GridMonthShishutu;
    const int last = lastUsedRow(sheet);
    for (int row = 1; row <= last; ++row) {
        const std::string& name = sheet.cell(0, row);
        if (name.empty()) continue;
        const auto count = counts.find(name);
        month.spending.push_back(MonthCategory{name, amountAt(sheet, 1, row), amountAt(sheet, 2, row),
                                               count == counts.end() ? 0 : count->second});
    }
    month.summed = !month.spending.empty();
    month.spendingTotal = amountAt(book.GridMonthSum, kSumSpendCol, 1);
    month.incomeTotal = amountAt(book.GridMonthSum, kSumIncomeCol, 1);
    month.balance = amountAt(book.GridMonthSum, kSumBalanceCol, 1);
    return month;
}

std::vector<BudgetBar> budgetBars(const MonthSeries& month) {
    std::vector<std::string> names;
    for (const MonthCategory& row : month.spending) names.push_back(row.category);
    const std::vector<std::string> labels = distinctLabels(names);
    std::vector<BudgetBar> bars;
    for (std::size_t i = 0; i < month.spending.size(); ++i) {
        const MonthCategory& row = month.spending[i];
        if (row.used == 0 && row.budget == 0) continue;
        bars.push_back(BudgetBar{labels[i], row.used, row.budget, row.budget > 0 && row.used > row.budget});
    }
    return bars;
}

std::vector<Share> spendingShares(const MonthSeries& month) {
    // One share per category name: a name on two rows is one category.
    std::vector<NamedAmount> amounts;
    for (const MonthCategory& row : month.spending) {
        if (row.countsInTotal == 0) continue;
        const double amount = row.used * row.countsInTotal;
        auto same = std::find_if(amounts.begin(), amounts.end(),
                                 [&](const NamedAmount& a) { return a.name == row.category; });
        if (same == amounts.end()) {
            amounts.push_back(NamedAmount{row.category, amount});
        } else {
            same->amount += amount;
        }
    }
    const std::vector<std::size_t> largest = largestCategories(amounts);
    std::vector<Share> shares;
    long double named = 0;
    for (std::size_t i : largest) {
        shares.push_back(Share{amounts[i].name, amounts[i].amount, 0});
        named += amounts[i].amount;
    }
    // A refund larger than a category's spending leaves it below zero: it
    // has no share to draw.
    long double all = 0;
    for (const NamedAmount& a : amounts) all += std::max(a.amount, 0.0);
    const double rest = static_cast<double>(all - named);
    if (rest > 0) shares.push_back(Share{std::string(kOthersLabel), rest, 0});
    for (Share& share : shares) share.fraction = all > 0 ? static_cast<double>(share.amount / all) : 0;
    return shares;
}

std::string shareLabel(const Share& share, AmountDisplay display) {
    const long percent = std::lround(share.fraction * 100);
    const std::string percentText = percent == 0 && share.amount > 0 ? "1%未満" : std::to_string(percent) + "%";
    return share.name + " " + formatAmount(share.amount, display) + " (" + percentText + ")";
}

}  // namespace kakeibo
