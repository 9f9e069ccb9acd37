#include "model/Dates.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace kakeibo {

namespace {

namespace chr = std::chrono;

// Day 0 of the stored day count, 30 December 1899, counted from 1 January 1970.
constexpr int kEpochOffset = -25569;

// The calendar the day counts are kept within: 1 January 0001 to 31 December
// 9999, the range a four-digit year can name. A day count outside it (or not
// a number at all, from a damaged file) is pulled to the nearer end, so every
// date operation stays defined.
constexpr int kMinYear = 1;
constexpr int kMaxYear = 9999;

// A calendar month as a running month count, so stepping across a year
// boundary is plain arithmetic.
struct CalMonth {
    int year;
    int month;  // 1..12
};

// The year stays within one year of the kept calendar, where every month of
// the calendar arithmetic is still defined.
CalMonth stepMonths(CalMonth m, long long delta) {
    const long long total = static_cast<long long>(m.year) * 12 + (m.month - 1) + delta;
    const long long year = total >= 0 ? total / 12 : -((-total + 11) / 12);
    const int month = static_cast<int>(total - year * 12) + 1;
    if (year < kMinYear - 1) return CalMonth{kMinYear - 1, 1};
    if (year > kMaxYear + 1) return CalMonth{kMaxYear + 1, 12};
    return CalMonth{static_cast<int>(year), month};
}

// Day count of a calendar day that the caller knows exists. Works one month
// beyond the kept calendar as well, so the fiscal month steps never fail at
// its ends.
Date civilToDate(int year, int month, int day) {
    const chr::year_month_day ymd{chr::year{year}, chr::month{static_cast<unsigned>(month)},
                                  chr::day{static_cast<unsigned>(day)}};
    return static_cast<Date>(chr::sys_days{ymd}.time_since_epoch().count() - kEpochOffset);
}

const Date kMinDate = civilToDate(kMinYear, 1, 1);
const Date kMaxDate = civilToDate(kMaxYear, 12, 31);

// The whole day a stored value stands for, within the kept calendar.
int wholeDay(Date date) {
    if (std::isnan(date)) return 0;
    return static_cast<int>(std::clamp(std::floor(date), kMinDate, kMaxDate));
}

chr::sys_days toSysDays(Date date) { return chr::sys_days{chr::days{wholeDay(date) + kEpochOffset}}; }

int daysIn(CalMonth m) { return getDaysInMonth(m.year, m.month); }

// A first day below 1 means nothing as a day of a month; it behaves as the
// 1st, as 0 does.
int effectiveFirstDay(int firstDay) { return std::max(firstDay, 1); }

// The day a fiscal month begins in calendar month m.
int startDayIn(CalMonth m, int firstDay) { return std::min(effectiveFirstDay(firstDay), daysIn(m)); }

Date startDateIn(CalMonth m, int firstDay) { return civilToDate(m.year, m.month, startDayIn(m, firstDay)); }

// Fiscal months starting after the 15th bear the name of the following month.
bool namedAfterNextMonth(int firstDay) { return firstDay > 15; }

CalMonth monthOf(Date date) {
    const Ymd ymd = splitDate(date);
    return CalMonth{ymd.year, ymd.month};
}

// The calendar month in which the fiscal month containing date begins.
CalMonth fiscalStartMonth(Date date, int firstDay) {
    const Ymd ymd = splitDate(date);
    const CalMonth m{ymd.year, ymd.month};
    return ymd.day < startDayIn(m, firstDay) ? stepMonths(m, -1) : m;
}

std::string toString(int n) { return std::to_string(n); }

bool parseFixedDigits(std::string_view text, int& out) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && ptr == text.data() + text.size();
}

}  // namespace

std::optional<Date> makeDate(int year, int month, int day) {
    if (year < kMinYear || year > kMaxYear || month < 1 || month > 12 || day < 1 || day > 31) {
        return std::nullopt;
    }
    const chr::year_month_day ymd{chr::year{year}, chr::month{static_cast<unsigned>(month)},
                                  chr::day{static_cast<unsigned>(day)}};
    if (!ymd.ok()) return std::nullopt;
    return civilToDate(year, month, day);
}

Ymd splitDate(Date date) {
    const chr::year_month_day ymd{toSysDays(date)};
    return Ymd{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
               static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

int weekday(Date date) { return static_cast<int>(chr::weekday{toSysDays(date)}.c_encoding()) + 1; }

std::string dateToText(int form, Date date) {
    const Ymd ymd = splitDate(date);
    if (form == 2) {
        return toString(ymd.month) + "/" + toString(ymd.day) + "（" + getYobiText(weekday(date)) + "）";
    }
    // Form 0, and the form for any other number.
    return toString(ymd.year) + "/" + toString(ymd.month) + "/" + toString(ymd.day);
}

std::string getYobiText(int weekdayNumber) {
    static constexpr std::array<const char*, 7> kNames{"日", "月", "火", "水", "木", "金", "土"};
    if (weekdayNumber < 1 || weekdayNumber > 7) return "エラー";
    return kNames[static_cast<std::size_t>(weekdayNumber - 1)];
}

bool isLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int getDaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return kDays[static_cast<std::size_t>(month - 1)] + (month == 2 && isLeapYear(year) ? 1 : 0);
}

Date getWeekStart(Date date) { return static_cast<Date>(wholeDay(date) - weekday(date) + 1); }

Date getWeekEnd(Date date) { return static_cast<Date>(wholeDay(date) - weekday(date) + 7); }

int getWeekNumber(Date date) {
    const Date weekStart = getWeekStart(date);
    const Date firstWeekStart = getWeekStart(getYearStart(date));
    return static_cast<int>((weekStart - firstWeekStart) / 7) + 1;
}

Date getYearStart(Date date) { return civilToDate(splitDate(date).year, 1, 1); }

int getShonichi(std::string_view text) {
    // An integer: optional surrounding spaces, an optional sign, digits.
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return 1;
    }
    if (text.empty()) return 1;
    int value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size()) return 1;
    // A first day before the 1st cannot be typed; one from elsewhere behaves
    // as the 1st rather than as a day no month has.
    return value < 0 ? 1 : value;
}

Date getMonthStartDay(Date date, int firstDay) {
    return startDateIn(fiscalStartMonth(date, firstDay), firstDay);
}

Date getMonthLastDay(Date start, int firstDay) {
    // The fiscal month ends the day before the next calendar month's start
    // day. Reading it from the month the fiscal month begins in gives the
    // same day for a first day as the name-based rule, and a sound answer for
    // any other day passed in.
    const CalMonth next = stepMonths(fiscalStartMonth(start, firstDay), 1);
    return startDateIn(next, firstDay) - 1;
}

Date getMonthStartOfKey(int year, int month, int firstDay) {
    // A year or month outside the calendar is pulled into it rather than refused.
    const CalMonth january{std::clamp(year, kMinYear, kMaxYear), 1};
    CalMonth m = stepMonths(january, static_cast<long long>(month) - 1);
    if (namedAfterNextMonth(firstDay)) m = stepMonths(m, -1);
    return startDateIn(m, firstDay);
}

Date getMonthKey(Date date, int firstDay) {
    const Date start = getMonthStartDay(date, firstDay);
    CalMonth m = monthOf(start);
    if (splitDate(start).day > 15) m = stepMonths(m, 1);
    return civilToDate(m.year, m.month, 1);
}

int getDaysToShonichi(Date date, int firstDay) {
    const Date last = getMonthLastDay(getMonthStartDay(date, firstDay), firstDay);
    return static_cast<int>(last - wholeDay(date)) + 1;
}

std::string dateToIso(Date date) {
    const Ymd ymd = splitDate(date);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", ymd.year, ymd.month, ymd.day);
    return buffer;
}

std::optional<Date> isoToDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    int year = 0;
    int month = 0;
    int day = 0;
    if (!parseFixedDigits(text.substr(0, 4), year) || !parseFixedDigits(text.substr(5, 2), month) ||
        !parseFixedDigits(text.substr(8, 2), day)) {
        return std::nullopt;
    }
    return makeDate(year, month, day);
}

}  // namespace kakeibo
