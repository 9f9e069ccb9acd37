#pragma once
// The year on display as its summary sheets show it after its "集計": the
// twelve fiscal months' spending and income from the totals rows, and the
// spending per category for the stacks.

#include <array>
#include <string>
#include <vector>

#include "book/Book.h"

namespace kakeibo {

using TwelveMonths = std::array<double, 12>;

struct YearCategory {
    std::string name;
    double total = 0;
    TwelveMonths months{};
    bool operator==(const YearCategory&) const = default;
};

struct YearSeries {
    // False while the year on display was never summed.
    bool summed = false;
    int year = 0;
    TwelveMonths spending{};
    TwelveMonths income{};
    std::vector<YearCategory> categories;  // named rows in sheet order
    bool operator==(const YearSeries&) const = default;
};

YearSeries yearSeries(const Book& book);

// The months' spending in stacks: the year's largest categories and
// "その他" for the rest; each month's stacks add up to its spending.
struct YearStack {
    std::string name;
    TwelveMonths months{};
    bool operator==(const YearStack&) const = default;
};
std::vector<YearStack> yearStacks(const YearSeries& year);

}  // namespace kakeibo
