#include "charts/HistorySeries.h"

namespace kakeibo {

std::string_view balanceLabel(BalanceLine line) {
    switch (line) {
    case BalanceLine::Cash: return "現金残高";
    case BalanceLine::Accounts: return "口座残高合計";
    case BalanceLine::Household: return "家計合計額";
    case BalanceLine::Savings: return "貯金合計額";
    }
    return {};
}

double balanceOf(const Balances& balances, BalanceLine line) {
    switch (line) {
    case BalanceLine::Cash: return balances.cash;
    case BalanceLine::Accounts: return balances.accounts;
    case BalanceLine::Household: return balances.household;
    case BalanceLine::Savings: return balances.savings;
    }
    return 0;
}

std::vector<HistoryPoint> historySeries(const CardList& cards, std::optional<Date> from, std::optional<Date> to) {
    std::vector<HistoryPoint> points;
    if (cards.empty()) return points;
    const int first = from ? cards.lowerBound(*from) : 0;
    int past = first;
    while (past < cards.size() && (!to || cards.date(past) <= *to)) ++past;
    // Every card of the stretch is read: decoded at once, on both threads.
    cards.decode(first, past);
    points.reserve(static_cast<std::size_t>(past - first));
    bool gapPending = false;
    for (int i = first; i < past; ++i) {
        const TIndex& card = cards.read(i);
        const std::optional<Balances> balances = cardBalances(card);
        if (!balances) {
            // Before the first point there is no line to break.
            gapPending = !points.empty();
            continue;
        }
        points.push_back(HistoryPoint{cards.date(i), *balances, gapPending});
        gapPending = false;
    }
    return points;
}

}  // namespace kakeibo
