#include "dialogs/CalendarGrid.h"

#include <charconv>

#include "model/Dates.h"

namespace kakeibo::shell {

void setYobiHeader(CalendarTexts& texts) {
    for (int column = 0; column < kCalendarColumns; ++column) {
        texts[0][column] = getYobiText(column + 1);
    }
}

void fillCalender(CalendarTexts& texts, int year, int month) {
    for (int column = 0; column <= 5; ++column) texts[1][column].clear();
    for (int column = 0; column <= 6; ++column) texts[5][column].clear();
    for (int column = 0; column <= 1; ++column) texts[6][column].clear();

    const auto first = makeDate(year, month, 1);
    if (!first) {
        return;  // no such month: the grid stays cleared of the old month's tail only
    }
    const int firstWeekday = weekday(*first);
    const int days = getDaysInMonth(year, month);
    for (int day = 1; day <= days; ++day) {
        const int k = day + firstWeekday - 1;
        const int row = k % 7 != 0 ? k / 7 + 1 : k / 7;
        const int column = k % 7 != 0 ? k % 7 - 1 : 6;
        texts[row][column] = std::to_string(day);
    }
}

int pickedDay(const std::string& cellText) {
    int day = 0;
    const char* begin = cellText.data();
    const char* end = begin + cellText.size();
    const auto [rest, error] = std::from_chars(begin, end, day);
    if (cellText.empty() || error != std::errc{} || rest != end || day < 0) {
        return 0;
    }
    return day;
}

YearMonth previousMonth(YearMonth shown) {
    if (shown.month <= 1) return {shown.year - 1, 12};
    return {shown.year, shown.month - 1};
}

YearMonth nextMonth(YearMonth shown) {
    if (shown.month >= 12) return {shown.year + 1, 1};
    return {shown.year, shown.month + 1};
}

}  // namespace kakeibo::shell
