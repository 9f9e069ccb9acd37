#pragma once
// The calendar's grid without its window: the texts of its 7 x 7 cells, the
// filling of a month into them and what a pressed cell means. Row 0 holds
// the weekday names, rows 1..6 the weeks (Sunday first).

#include <array>
#include <string>

namespace kakeibo::shell {

inline constexpr int kCalendarColumns = 7;
inline constexpr int kCalendarRows = 7;

// texts[row][column]
using CalendarTexts = std::array<std::array<std::string, kCalendarColumns>, kCalendarRows>;

// Row 0: "日" .. "土".
void setYobiHeader(CalendarTexts& texts);

// Writes the days of year/month into rows 1..6. Only the cells a month may
// leave empty are cleared first (row 1 columns 0-5, row 5, row 6 columns
// 0-1); every other day cell is always overwritten by some day.
void fillCalender(CalendarTexts& texts, int year, int month);

// The day a pressed cell stands for: its text as a whole number, or 0 for
// an empty cell or a weekday name.
int pickedDay(const std::string& cellText);

struct YearMonth {
    int year = 0;
    int month = 0;
};
YearMonth previousMonth(YearMonth shown);  // January goes to December of the year before
YearMonth nextMonth(YearMonth shown);      // December goes to January of the next year

}  // namespace kakeibo::shell
