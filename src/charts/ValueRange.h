#pragma once
// The lowest and highest amount a chart's value axis has to reach: for bars
// zero always (they grow from it), every bar, and for stacks the heights
// their positive and negative parts build up to; for the balances' lines
// what they reach on the screen, with a little room.

#include <utility>
#include <vector>

#include "charts/HistoryView.h"
#include "charts/MonthSeries.h"
#include "charts/WeekSeries.h"
#include "charts/YearSeries.h"

namespace kakeibo {

struct ValueRange {
    double low = 0;
    double high = 0;
    bool operator==(const ValueRange&) const = default;
};

ValueRange weekRange(const WeekSeries& week);
ValueRange budgetRange(const std::vector<BudgetBar>& bars);
ValueRange yearRange(const std::vector<YearStack>& stacks, const TwelveMonths& income);
// A fiftieth of the lines' span added above and below, so the highest and
// lowest balance never run along the chart's frame; but never past zero,
// which would cost the axis a whole step for nothing.
ValueRange historyRange(const HistoryView& view);

}  // namespace kakeibo
