#include "model/Dates.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace kakeibo {
namespace {

Date d(int y, int m, int day) { return makeDate(y, m, day).value(); }

std::string iso(Date date) { return dateToIso(date); }

TEST(Dates, DayCountsFollowTheStoredEpoch) {
    EXPECT_EQ(d(1899, 12, 30), 0);
    EXPECT_EQ(d(1900, 1, 1), 2);
    EXPECT_EQ(d(2000, 1, 1), 36526);
    const Ymd ymd = splitDate(36526.75);  // a time of day is dropped
    EXPECT_EQ(ymd.year, 2000);
    EXPECT_EQ(ymd.month, 1);
    EXPECT_EQ(ymd.day, 1);
    EXPECT_EQ(iso(-1), "1899-12-29");
}

TEST(Dates, MakeDateRefusesDaysThatDoNotExist) {
    EXPECT_FALSE(makeDate(2001, 2, 29));
    EXPECT_TRUE(makeDate(2000, 2, 29));
    EXPECT_FALSE(makeDate(2000, 4, 31));
    EXPECT_FALSE(makeDate(2000, 1, 0));
    EXPECT_FALSE(makeDate(2000, 13, 1));
    EXPECT_FALSE(makeDate(2000, 0, 1));
    EXPECT_FALSE(makeDate(0, 1, 1));
    EXPECT_FALSE(makeDate(10000, 1, 1));
}

TEST(Dates, ValuesOutsideTheCalendarArePulledToItsEnds) {
    EXPECT_EQ(iso(-1e300), "0001-01-01");
    EXPECT_EQ(iso(1e300), "9999-12-31");
    EXPECT_EQ(iso(std::numeric_limits<double>::quiet_NaN()), "1899-12-30");
    EXPECT_GE(weekday(1e300), 1);
    // Fiscal months at the ends of the calendar, and names outside it, stay defined.
    for (int firstDay : {1, 25, 45}) {
        EXPECT_LE(getMonthStartDay(d(1, 1, 1), firstDay), d(1, 1, 1));
        EXPECT_GE(getMonthLastDay(d(9999, 12, 31), firstDay), d(9999, 12, 31));
        EXPECT_GE(getDaysToShonichi(d(9999, 12, 31), firstDay), 1);
        EXPECT_EQ(iso(getMonthStartOfKey(2001, 13, firstDay)), iso(getMonthStartOfKey(2002, 1, firstDay)));
        getMonthStartOfKey(std::numeric_limits<int>::max(), std::numeric_limits<int>::min(), firstDay);
    }
}

TEST(Dates, TextFormsAndWeekdays) {
    EXPECT_EQ(dateToText(0, d(2000, 1, 5)), "2000/1/5");
    EXPECT_EQ(dateToText(0, d(2000, 12, 5)), "2000/12/5");
    EXPECT_EQ(dateToText(2, d(2000, 1, 5)), "1/5（水）");
    EXPECT_EQ(dateToText(2, d(2000, 12, 31)), "12/31（日）");
    EXPECT_EQ(weekday(d(2000, 1, 1)), 7);  // Saturday
    EXPECT_EQ(weekday(d(2000, 1, 2)), 1);  // Sunday
    EXPECT_EQ(getYobiText(1), "日");
    EXPECT_EQ(getYobiText(7), "土");
    EXPECT_EQ(getYobiText(0), "エラー");
    EXPECT_EQ(getYobiText(8), "エラー");
}

TEST(Dates, LeapYearsAndMonthLengths) {
    EXPECT_TRUE(isLeapYear(2000));
    EXPECT_FALSE(isLeapYear(1900));
    EXPECT_TRUE(isLeapYear(2004));
    EXPECT_FALSE(isLeapYear(2001));
    EXPECT_EQ(getDaysInMonth(2000, 2), 29);
    EXPECT_EQ(getDaysInMonth(2001, 2), 28);
    EXPECT_EQ(getDaysInMonth(2001, 4), 30);
    EXPECT_EQ(getDaysInMonth(2001, 12), 31);
}

TEST(Dates, WeeksAroundTheNewYear) {
    EXPECT_EQ(getWeekNumber(d(2000, 1, 1)), 1);
    EXPECT_EQ(getWeekNumber(d(2000, 1, 2)), 2);
    EXPECT_EQ(getWeekNumber(d(2000, 12, 30)), 53);
    EXPECT_EQ(getWeekNumber(d(2000, 12, 31)), 54);
    // The week of 31 December 2000 is numbered by its Saturday.
    const Date sat = getWeekEnd(d(2000, 12, 31));
    EXPECT_EQ(sat, d(2001, 1, 6));
    EXPECT_EQ(getWeekNumber(sat), 1);
    EXPECT_EQ(getWeekStart(d(2001, 1, 3)), d(2000, 12, 31));
    EXPECT_EQ(getWeekStart(d(2000, 12, 31)), d(2000, 12, 31));
    EXPECT_EQ(getWeekEnd(d(2000, 12, 30)), d(2000, 12, 30));
    EXPECT_EQ(getYearStart(d(2000, 12, 31)), d(2000, 1, 1));
}

TEST(Dates, FirstDayFromTheSettingsText) {
    EXPECT_EQ(getShonichi(""), 1);
    EXPECT_EQ(getShonichi("abc"), 1);
    EXPECT_EQ(getShonichi("12abc"), 1);
    EXPECT_EQ(getShonichi("1.5"), 1);
    EXPECT_EQ(getShonichi("０"), 1);  // full-width digits are not an integer
    EXPECT_EQ(getShonichi("99999999999999"), 1);
    EXPECT_EQ(getShonichi("0"), 0);
    EXPECT_EQ(getShonichi("25"), 25);
    EXPECT_EQ(getShonichi(" 25 "), 25);
    EXPECT_EQ(getShonichi("+10"), 10);
    EXPECT_EQ(getShonichi("45"), 45);
    EXPECT_EQ(getShonichi("-3"), 1);
}

struct FiscalCase {
    int firstDay;
    Date date;
    Date start;
    Date last;
    Date key;
    int daysLeft;
};

void expectFiscal(const FiscalCase& c) {
    SCOPED_TRACE("F=" + std::to_string(c.firstDay) + " date " + iso(c.date));
    const Date start = getMonthStartDay(c.date, c.firstDay);
    EXPECT_EQ(iso(start), iso(c.start));
    EXPECT_EQ(iso(getMonthLastDay(start, c.firstDay)), iso(c.last));
    EXPECT_EQ(iso(getMonthKey(c.date, c.firstDay)), iso(c.key));
    EXPECT_EQ(getDaysToShonichi(c.date, c.firstDay), c.daysLeft);
    const Ymd key = splitDate(c.key);
    EXPECT_EQ(iso(getMonthStartOfKey(key.year, key.month, c.firstDay)), iso(c.start));
}

TEST(Dates, FiscalMonthWorkedExamples) {
    const std::vector<FiscalCase> cases{
        {25, d(2000, 12, 24), d(2000, 11, 25), d(2000, 12, 24), d(2000, 12, 1), 1},
        {25, d(2000, 12, 25), d(2000, 12, 25), d(2001, 1, 24), d(2001, 1, 1), 31},
        {31, d(2001, 2, 15), d(2001, 1, 31), d(2001, 2, 27), d(2001, 2, 1), 13},
        {31, d(2001, 2, 28), d(2001, 2, 28), d(2001, 3, 30), d(2001, 3, 1), 31},
        {31, d(2001, 3, 30), d(2001, 2, 28), d(2001, 3, 30), d(2001, 3, 1), 1},
        {31, d(2001, 3, 31), d(2001, 3, 31), d(2001, 4, 29), d(2001, 4, 1), 30},
        {31, d(2001, 4, 15), d(2001, 3, 31), d(2001, 4, 29), d(2001, 4, 1), 15},
        {31, d(2001, 4, 30), d(2001, 4, 30), d(2001, 5, 30), d(2001, 5, 1), 31},
        {30, d(2000, 2, 29), d(2000, 2, 29), d(2000, 3, 29), d(2000, 3, 1), 30},
        {10, d(2001, 3, 9), d(2001, 2, 10), d(2001, 3, 9), d(2001, 2, 1), 1},
        {10, d(2001, 3, 10), d(2001, 3, 10), d(2001, 4, 9), d(2001, 3, 1), 31},
        {1, d(2001, 2, 10), d(2001, 2, 1), d(2001, 2, 28), d(2001, 2, 1), 19},
        {0, d(2000, 2, 10), d(2000, 2, 1), d(2000, 2, 29), d(2000, 2, 1), 20},
        {-3, d(2000, 2, 10), d(2000, 2, 1), d(2000, 2, 29), d(2000, 2, 1), 20},
        {45, d(2001, 5, 7), d(2001, 4, 30), d(2001, 5, 30), d(2001, 5, 1), 24},
        // Across the year boundary, both ways.
        {25, d(2001, 1, 10), d(2000, 12, 25), d(2001, 1, 24), d(2001, 1, 1), 15},
        {10, d(2001, 1, 5), d(2000, 12, 10), d(2001, 1, 9), d(2000, 12, 1), 5},
        {31, d(2000, 12, 31), d(2000, 12, 31), d(2001, 1, 30), d(2001, 1, 1), 31},
    };
    for (const auto& c : cases) expectFiscal(c);
    EXPECT_EQ(iso(getMonthLastDay(d(2001, 2, 1), 1)), "2001-02-28");
}

TEST(Dates, FiscalMonthsTileEveryYear) {
    for (int firstDay : {1, 10, 15, 16, 25, 28, 29, 30, 31, 45}) {
        for (int year : {2000, 2001}) {
            SCOPED_TRACE("F=" + std::to_string(firstDay) + " year " + std::to_string(year));
            const Date first = d(year, 1, 1);
            const Date end = d(year, 12, 31);
            Date expectedStart = getMonthStartDay(first, firstDay);
            Date prevKey = getMonthKey(first, firstDay) - 1;
            for (Date day = first; day <= end; ++day) {
                const Date start = getMonthStartDay(day, firstDay);
                const Date last = getMonthLastDay(start, firstDay);
                ASSERT_LE(start, day);
                ASSERT_LE(day, last);
                ASSERT_EQ(getDaysToShonichi(day, firstDay), static_cast<int>(last - day) + 1);
                if (start != expectedStart) {
                    // A new fiscal month begins the day after the last one ended.
                    ASSERT_EQ(start, day) << iso(day);
                    ASSERT_EQ(getMonthLastDay(expectedStart, firstDay), day - 1) << iso(day);
                    expectedStart = start;
                }
                const Date key = getMonthKey(day, firstDay);
                const Ymd s = splitDate(start);
                const Ymd k = splitDate(key);
                ASSERT_EQ(k.day, 1);
                // Named after the month it starts in up to the 15th, after the next one from the 16th.
                const int expectedMonth = firstDay <= 15 ? s.month : (s.month % 12) + 1;
                ASSERT_EQ(k.month, expectedMonth) << iso(day);
                ASSERT_EQ(getMonthStartOfKey(k.year, k.month, firstDay), start) << iso(day);
                ASSERT_GE(key, prevKey);
                prevKey = key;
            }
        }
    }
}

TEST(Dates, IsoTextIsStrict) {
    EXPECT_EQ(iso(d(2000, 1, 5)), "2000-01-05");
    EXPECT_EQ(iso(d(987, 3, 4)), "0987-03-04");
    EXPECT_EQ(isoToDate("2000-01-05"), d(2000, 1, 5));
    EXPECT_EQ(isoToDate("2000-02-29"), d(2000, 2, 29));
    EXPECT_FALSE(isoToDate("2001-02-29"));
    EXPECT_FALSE(isoToDate("2000-1-05"));
    EXPECT_FALSE(isoToDate("2000-01-5"));
    EXPECT_FALSE(isoToDate("20000-01-05"));
    EXPECT_FALSE(isoToDate("2000/01/05"));
    EXPECT_FALSE(isoToDate("2000-01-05 "));
    EXPECT_FALSE(isoToDate("+200-01-05"));
    EXPECT_FALSE(isoToDate("2000-13-01"));
    EXPECT_FALSE(isoToDate("0000-01-01"));
    EXPECT_FALSE(isoToDate(""));
}

}  // namespace
}  // namespace kakeibo
