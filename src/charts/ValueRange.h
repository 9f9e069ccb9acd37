#pragma once
// The lowest and highest amount a chart's value axis has to reach: zero
// always (bars grow from it), every bar, and for stacks the heights their
// positive and negative parts build up to.

#include <utility>
#include <vector>

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

}  // namespace kakeibo
