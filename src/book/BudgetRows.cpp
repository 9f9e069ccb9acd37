#include "book/BudgetRows.h"

#include <algorithm>

#include "sheets/SheetOps.h"

namespace kakeibo {

namespace {
constexpr int kDebitCol = 0;
constexpr int kCardCol = 3;
}  // namespace

BudgetRows::BudgetRows(const ItemList& items) : items_(items) {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (!items_[i].empty()) byName_.push_back(static_cast<int>(i) + 1);
    }
    std::sort(byName_.begin(), byName_.end(), [this](int a, int b) {
        const std::string& x = items_[static_cast<std::size_t>(a - 1)];
        const std::string& y = items_[static_cast<std::size_t>(b - 1)];
        return x != y ? x < y : a < b;
    });
    firstOfItem_.assign(items_.size(), 0);
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (const auto first = firstRow(items_[i])) firstOfItem_[i] = *first;
    }
}

BudgetRows BudgetRows::ofSheet(const Sheet& budgetSheet) {
    ItemList items;
    const int last = lastUsedRow(budgetSheet);
    for (int row = 1; row <= last; ++row) items.push_back(budgetSheet.cell(0, row));
    return BudgetRows(items);
}

std::optional<int> BudgetRows::firstRow(std::string_view name) const {
    if (name.empty()) return std::nullopt;
    const auto it = std::lower_bound(byName_.begin(), byName_.end(), name, [this](int row, std::string_view key) {
        return std::string_view(items_[static_cast<std::size_t>(row - 1)]) < key;
    });
    if (it == byName_.end() || items_[static_cast<std::size_t>(*it - 1)] != name) return std::nullopt;
    return *it;
}

std::optional<int> BudgetRows::firstRow(std::string_view name, int hintRow) const {
    if (hintRow >= 1 && hintRow <= static_cast<int>(items_.size()) && !name.empty() &&
        items_[static_cast<std::size_t>(hintRow - 1)] == name) {
        return firstOfItem_[static_cast<std::size_t>(hintRow - 1)];
    }
    return firstRow(name);
}

void BudgetRows::appendRows(std::string_view name, std::vector<int>& rows) const {
    const auto first = firstRow(name);
    if (!first) return;
    for (std::size_t i = static_cast<std::size_t>(*first - 1); i < items_.size(); ++i) {
        if (items_[i] == name) rows.push_back(static_cast<int>(i) + 1);
    }
}

BudgetSumPlan::BudgetSumPlan(const Book& book, const BudgetRows& rows) {
    auto groupsOf = [&rows](const Sheet& settings, int col, bool settlement) {
        Groups groups;
        const int last = lastUsedRow(settings);
        std::string name;
        for (int row = 1; row <= last; ++row) {
            const std::string& entry = settings.cell(col, row);
            if (entry.empty()) continue;
            name = settlement ? std::string(kSettlementPrefix) + entry : entry;
            std::vector<int> group;
            rows.appendRows(name, group);
            if (!group.empty()) groups.push_back(std::move(group));
        }
        return groups;
    };
    cash = groupsOf(book.GridSetGenkinOut, 0, false);
    std::vector<int> savings;
    rows.appendRows(kGenkinToChokin, savings);
    if (!savings.empty()) cashToSavings.push_back(std::move(savings));
    for (int k = 0; k < 4; ++k) {
        if (!isNamedAccount(book, k)) continue;
        const Sheet& settings = accountSheet(book, k);
        const auto index = static_cast<std::size_t>(k);
        debit[index] = groupsOf(settings, kDebitCol, false);
        settlement[index] = groupsOf(settings, kCardCol, true);
        card[index] = groupsOf(settings, kCardCol, false);
    }
}

double BudgetSumPlan::sum(const Groups& groups, const std::vector<double>& usedByRow) {
    double total = 0;
    for (const std::vector<int>& group : groups) {
        double subtotal = 0;
        for (const int row : group) subtotal += usedByRow[static_cast<std::size_t>(row - 1)];
        total += subtotal;
    }
    return total;
}

}  // namespace kakeibo
