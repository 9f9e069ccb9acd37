#pragma once
// The day budget sheet's rows as a calculation lays them out (item i of the
// spending list on row i + 1), and which of those rows each money flow adds
// up. A run over many cards lays out the same rows on every card, so both
// are worked out once per run instead of once per card.

#include <array>
#include <optional>
#include <string_view>
#include <string>
#include <vector>

#include "book/Book.h"
#include "book/SettingsApply.h"

namespace kakeibo {

class BudgetRows {
public:
    explicit BudgetRows(const ItemList& items);
    // The items of column 0, rows 1 to the last used row.
    static BudgetRows ofSheet(const Sheet& budgetSheet);

    int count() const { return static_cast<int>(items_.size()); }
    // The first row holding name; nothing for the empty name or an unknown one.
    std::optional<int> firstRow(std::string_view name) const;
    // The same, quicker when name is likely the item of row hintRow.
    std::optional<int> firstRow(std::string_view name, int hintRow) const;
    // Every row holding name, in row order, appended to rows.
    void appendRows(std::string_view name, std::vector<int>& rows) const;

private:
    std::vector<std::string> items_;  // row r at r - 1
    std::vector<int> firstOfItem_;    // the first row of the item of row r, at r - 1
    std::vector<int> byName_;         // the rows of non-empty items, sorted by item, then row
};

// For each money flow read from the budget sheet, the rows it adds up: one
// group per settings entry in the settings' row order, each group in row
// order, so the sums come out as sumByKeys adds them.
struct BudgetSumPlan {
    using Groups = std::vector<std::vector<int>>;
    BudgetSumPlan(const Book& book, const BudgetRows& rows);

    Groups cash;           // the cash spending categories
    Groups cashToSavings;  // "現金から貯金"
    std::array<Groups, 4> debit, settlement, card;  // per account; empty for an unnamed one

    // The values of column 1 ("used") by row, at row - 1.
    static double sum(const Groups& groups, const std::vector<double>& usedByRow);
};

}  // namespace kakeibo
