#pragma once
// The week on display as its summary sheets show it after its "集計": the
// seven days' spending and income, Sunday to Saturday, from the sheets'
// totals row.

#include <array>
#include <string>

#include "book/Book.h"

namespace kakeibo {

struct WeekDay {
    Date date = 0;
    std::string label;  // as the sheets' column headers: 12/31（日）
    double spending = 0;
    double income = 0;
    bool operator==(const WeekDay&) const = default;
};

struct WeekSeries {
    // False while the week on display was never summed.
    bool summed = false;
    std::array<WeekDay, 7> days;
    bool operator==(const WeekSeries&) const = default;
};

WeekSeries weekSeries(const Book& book);

}  // namespace kakeibo
