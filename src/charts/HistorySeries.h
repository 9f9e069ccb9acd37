#pragma once
// The balances over the whole history: one point per calculated card, in
// date order. A card never calculated knows no balances; it is left out and
// the point after it is marked, so a chart breaks its lines there instead
// of drawing through the card as if nothing had happened on it.

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "charts/CardBalances.h"
#include "model/DatedList.h"
#include "storage/CardList.h"

namespace kakeibo {

struct HistoryPoint {
    Date date = 0;
    Balances balances;
    // A card never calculated lies between the point before and this one.
    bool afterGap = false;
    bool operator==(const HistoryPoint&) const = default;
};

// The four balances, in the order the summary sheet lists them.
enum class BalanceLine { Cash, Accounts, Household, Savings };
inline constexpr std::array<BalanceLine, 4> kBalanceLines = {BalanceLine::Cash, BalanceLine::Accounts,
                                                             BalanceLine::Household, BalanceLine::Savings};
// The summary sheet's label of a balance: "現金残高", "口座残高合計", ...
std::string_view balanceLabel(BalanceLine line);
double balanceOf(const Balances& balances, BalanceLine line);

// The points of the cards dated from..to (both included; unset: no bound).
std::vector<HistoryPoint> historySeries(const CardList& cards, std::optional<Date> from = std::nullopt,
                                        std::optional<Date> to = std::nullopt);

}  // namespace kakeibo
