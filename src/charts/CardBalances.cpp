#include "charts/CardBalances.h"

namespace kakeibo {

namespace {

// Rows 4 to 7 of the summary sheet are the list's items 3 to 6.
constexpr std::size_t kCashItem = 3;
constexpr std::size_t kLastBalanceItem = 6;

}  // namespace

std::optional<Balances> cardBalances(const TIndex& card) {
    if (card.budgetList.empty() || card.summaryList.size() <= kLastBalanceItem) return std::nullopt;
    const auto& rows = card.summaryList;
    return Balances{rows[kCashItem].amount, rows[kCashItem + 1].amount, rows[kCashItem + 2].amount,
                    rows[kCashItem + 3].amount};
}

}  // namespace kakeibo
