#include "charts/ValueRange.h"

#include <algorithm>

namespace kakeibo {

namespace {

void take(ValueRange& range, double value) {
    range.low = std::min(range.low, value);
    range.high = std::max(range.high, value);
}

}  // namespace

ValueRange weekRange(const WeekSeries& week) {
    ValueRange range;
    for (const WeekDay& day : week.days) {
        take(range, day.spending);
        take(range, day.income);
    }
    return range;
}

ValueRange budgetRange(const std::vector<BudgetBar>& bars) {
    ValueRange range;
    for (const BudgetBar& bar : bars) {
        take(range, bar.used);
        take(range, bar.budget);
    }
    return range;
}

ValueRange yearRange(const std::vector<YearStack>& stacks, const TwelveMonths& income) {
    ValueRange range;
    for (std::size_t m = 0; m < 12; ++m) {
        // A stacked chart piles the positive parts up from zero and the
        // negative ones (refunds) down from it.
        double up = 0;
        double down = 0;
        for (const YearStack& stack : stacks) (stack.months[m] > 0 ? up : down) += stack.months[m];
        take(range, up);
        take(range, down);
        take(range, income[m]);
    }
    return range;
}

ValueRange historyRange(const HistoryView& view) {
    const double room = (view.high - view.low) / 50;
    return ValueRange{view.low > 0 ? std::max(0.0, view.low - room) : view.low - room,
                      view.high < 0 ? std::min(0.0, view.high + room) : view.high + room};
}

}  // namespace kakeibo
