#pragma once
// Dates and periods: date texts, weekdays, weeks and fiscal months.
// A date is a whole day count held in a double, day 0 = 30 December 1899,
// as the data files store it.

#include <optional>
#include <string>
#include <string_view>

namespace kakeibo {

using Date = double;

struct Ymd {
    int year = 0;
    int month = 0;
    int day = 0;
};

// Builds a date; nothing when the day does not exist (day 0, 30 February...).
std::optional<Date> makeDate(int year, int month, int day);
Ymd splitDate(Date date);
// 1 = Sunday .. 7 = Saturday.
int weekday(Date date);

// form 0: 2000/1/5; form 2: 1/5（水）. No leading zeros.
std::string dateToText(int form, Date date);
// "日".."土" for 1..7, "エラー" otherwise.
std::string getYobiText(int weekdayNumber);

bool isLeapYear(int year);
int getDaysInMonth(int year, int month);

Date getWeekStart(Date date);  // its Sunday
Date getWeekEnd(Date date);    // its Saturday
int getWeekNumber(Date date);
Date getYearStart(Date date);  // 1 January of its year

// The first day F of the fiscal month from the settings text: empty or not
// an integer gives 1; any other integer is used unchanged.
int getShonichi(std::string_view text);

// Fiscal months for first day F.
Date getMonthStartDay(Date date, int firstDay);
Date getMonthLastDay(Date start, int firstDay);
Date getMonthStartOfKey(int year, int month, int firstDay);
Date getMonthKey(Date date, int firstDay);
int getDaysToShonichi(Date date, int firstDay);

// "YYYY-MM-DD" for machine-readable output, and back.
std::string dateToIso(Date date);
std::optional<Date> isoToDate(std::string_view text);

}  // namespace kakeibo
