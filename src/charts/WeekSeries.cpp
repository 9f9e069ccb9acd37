#include "charts/WeekSeries.h"

#include "model/Dates.h"

namespace kakeibo {

namespace {

constexpr int kSundayCol = 3;  // Sunday 3 .. Saturday 9

}  // namespace

WeekSeries weekSeries(const Book& book) {
    WeekSeries week;
    if (book.weeks.empty()) return week;
    const Date sunday = getWeekStart(book.weeks.cur().start);
    // The totals row is labelled by the summation alone.
    week.summed = !book.GridWeekShishutsu.cell(0, 1).empty();
    for (int i = 0; i < 7; ++i) {
        WeekDay& day = week.days[static_cast<std::size_t>(i)];
        day.date = sunday + i;
        day.label = dateToText(2, day.date);
        day.spending = textToAmount(book.GridWeekShishutsu.cell(kSundayCol + i, 1));
        day.income = textToAmount(book.GridWeekShuNyu.cell(kSundayCol + i, 1));
    }
    return week;
}

}  // namespace kakeibo
