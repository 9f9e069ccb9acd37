#include "exchange/BookCategories.h"

#include <algorithm>

#include "book/SettingsApply.h"

namespace kakeibo {
namespace {

void addChoices(std::vector<std::string>& choices, const ItemList& items) {
    for (const std::string& item : items) {
        if (!item.empty() && std::find(choices.begin(), choices.end(), item) == choices.end()) choices.push_back(item);
    }
}

}  // namespace

std::string_view landingSheetName(LandingSheet sheet) {
    switch (sheet) {
        case LandingSheet::Spend: return "spend";
        case LandingSheet::Income: return "income";
        case LandingSheet::Account: return "account";
    }
    return "spend";
}

const char* landingSheetControl(LandingSheet sheet) {
    switch (sheet) {
        case LandingSheet::Spend: return "GridShishutu";
        case LandingSheet::Income: return "GridShuNyu";
        case LandingSheet::Account: return "GridKoza";
    }
    return "GridShishutu";
}

BookCategories::BookCategories(const Book& book) : lists_(book) {
    for (int k = 0; k < 4; ++k) {
        if (!isNamedAccount(book, k)) continue;
        const auto i = static_cast<std::size_t>(k);
        banks_[i] = book.EditBank[i];
        withdrawLabels_[i] = book.makeKozaLabel(k, 0);
        depositLabels_[i] = book.makeKozaLabel(k, 1);
    }
}

std::optional<LandingCategory> BookCategories::find(const std::string& category, bool moneyIn) const {
    if (category.empty()) return std::nullopt;
    struct Candidate {
        LandingSheet sheet;
        const ItemList& items;
        const CategoryIndex& index;
    };
    const Candidate spend{LandingSheet::Spend, lists_.spending, lists_.spendingIndex};
    const Candidate income{LandingSheet::Income, lists_.income, lists_.incomeIndex};
    const Candidate account{LandingSheet::Account, lists_.account, lists_.accountIndex};
    const Candidate order[] = {moneyIn ? income : spend, moneyIn ? spend : income, account};
    for (const Candidate& c : order) {
        if (const auto i = c.index.find(category)) {
            const std::string& item = c.items[static_cast<std::size_t>(*i)];
            // The lists' blank items are separators, not categories.
            if (!item.empty()) return LandingCategory{c.sheet, item};
        }
    }
    return std::nullopt;
}

std::vector<std::string> BookCategories::choices(bool moneyIn) const {
    std::vector<std::string> out;
    addChoices(out, moneyIn ? lists_.income : lists_.spending);
    addChoices(out, lists_.account);
    return out;
}

std::vector<std::string> BookCategories::allChoices() const {
    std::vector<std::string> out;
    for (const ItemList* items : {&lists_.spending, &lists_.income, &lists_.account}) addChoices(out, *items);
    return out;
}

std::optional<std::string> BookCategories::transferLabel(std::string_view bankName, bool moneyIn) const {
    if (bankName.empty()) return std::nullopt;
    for (std::size_t i = 0; i < banks_.size(); ++i) {
        if (banks_[i] == bankName) return moneyIn ? withdrawLabels_[i] : depositLabels_[i];
    }
    return std::nullopt;
}

}  // namespace kakeibo
