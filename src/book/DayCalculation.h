#pragma once
// Calculating a day card: the category check, the budget rows, the balances
// carried from the last calculated card before it, the day's money flows,
// the credit records, and the store into the card. With Ctrl the same runs
// on the shown card and every later card in date order.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "book/Book.h"
#include "book/BudgetRows.h"
#include "book/Credit.h"
#include "book/SettingsApply.h"

namespace kakeibo {

inline constexpr std::string_view kCalcWaitText = "計算中...";
inline constexpr std::string_view kKamokuErrorSuffix = " 行めの分類が正しく記入されていません";

// A list's items found without regard to letter case (ASCII and full-width
// Latin letters); the first item of a text wins.
class CategoryIndex {
public:
    explicit CategoryIndex(const ItemList& items);
    std::optional<int> find(const std::string& text) const;

private:
    std::unordered_map<std::string, int> first_;  // by folded text
    std::unordered_map<std::string, int> exact_;  // an item's own text: its answer, folding spared
};

// Letter case folded for the comparison of category texts.
std::string foldCase(std::string_view text);

// The category lists one calculation (or one run over many cards) uses,
// built once from the settings sheets: the budget rows, the tally and the
// check all see the same list, whether or not the settings were applied.
struct CalcLists {
    explicit CalcLists(const Book& book);
    ItemList spending;  // the spending list, mode 0
    ItemList income;
    ItemList account;
    CategoryIndex spendingIndex;
    CategoryIndex incomeIndex;
    CategoryIndex accountIndex;
    BudgetRows budgetRows;  // the budget sheet's rows: the spending list
    BudgetSumPlan budgetSums;
    // The non-empty card categories (column 3) of each named account, in
    // row order; none for an unnamed account.
    std::array<std::vector<std::string>, 4> cardCategories;
    // The income categories of the cash settings and of each named account.
    std::vector<std::string> cashIncomeKeys;
    std::array<std::vector<std::string>, 4> accountIncomeKeys;
};

// The "計算する" button released; ctrlOnly when Ctrl alone was held.
void btnCalcMouseUp(Book& book, bool ctrlOnly);

// The Ctrl run without its last steps: calculates the current card and
// every later card in date order, with the wait box shown; the last card
// is left current and on the sheets.
void calcCurrentAndFollowing(Book& book);

// Calculates the current card and stores it.
void calcBody(Book& book);
void calcBody(Book& book, const CalcLists& lists, CreditLedger& ledger);

// Warns once for every row whose category is not among the items (letter
// case aside), or which has an amount but no category.
void checkKamokuInput(Book& book, const Sheet& sheet, const ItemList& items, std::string_view prefix);
void checkKamokuInput(Book& book, const Sheet& sheet, const CategoryIndex& items, std::string_view prefix);

// Budgets from the settings into column 2 of a budget sheet whose column 0
// holds the spending list (the day's, or the month's).
void copyYosanFromPref(Book& book, Sheet& budgetSheet);
// Mode 0: the entries of nameCol; mode 1: their settlement labels. Each
// entry's budget (nameCol + 1) goes, as typed, to the first row of its name.
void copyYosanByString(const Sheet& settings, int nameCol, Sheet& budgetSheet, int mode);
// The remaining budgets and the summary values of an earlier card.
void copyYosanFromList(Book& book, const TIndex& source);
void copyMatomeFromList(Book& book, const TIndex& source);
// The initial values into the summary sheet, when the option is on.
void putShokichiFromSettei(Book& book);
// The day's money flows onto the summary sheet.
void calcDayTotals(Book& book);

// The nearest earlier card that was calculated (has budget rows), by index.
std::optional<int> findSourceCard(const Book& book, int cardIndex);

}  // namespace kakeibo
