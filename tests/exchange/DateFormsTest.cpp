#include <gtest/gtest.h>

#include "exchange/DateForms.h"

namespace kakeibo {
namespace {

Date day(int y, int m, int d) { return *makeDate(y, m, d); }

TEST(DateForms, EveryStatementFormReadsTheSameDay) {
    const Date expected = day(2026, 12, 8);
    for (const char* text : {"2026/12/08", "2026/12/8", "2026-12-08", "20261208", "2026年12月8日", "2026年 12月 08日",
                             "R8.12.8", "r08.12.08", "R8/12/8", "令和8年12月8日", "令和 8年12月8日", "㋿8.12.8",
                             "２０２６／１２／０８", " 2026/12/08 "}) {
        EXPECT_EQ(readStatementDate(text), expected) << text;
    }
}

TEST(DateForms, EraYearsStartAtTheirFirstDayAndEndAtTheirLast) {
    EXPECT_EQ(readStatementDate("令和元年5月1日"), day(2019, 5, 1));
    EXPECT_EQ(readStatementDate("R1.5.1"), day(2019, 5, 1));
    EXPECT_EQ(readStatementDate("令和元年4月30日"), std::nullopt);  // still 平成
    EXPECT_EQ(readStatementDate("H31.4.30"), day(2019, 4, 30));
    EXPECT_EQ(readStatementDate("平成31年5月1日"), std::nullopt);   // already 令和
    EXPECT_EQ(readStatementDate("㍻元年1月8日"), day(1989, 1, 8));
    EXPECT_EQ(readStatementDate("S64.1.7"), day(1989, 1, 7));
    EXPECT_EQ(readStatementDate("S64.1.8"), std::nullopt);
    EXPECT_EQ(readStatementDate("T15.12.25"), std::nullopt);
    // 令和 has no last day: a year far ahead is still a date.
    EXPECT_EQ(readStatementDate("R99.1.1"), day(2117, 1, 1));
    EXPECT_EQ(readStatementDate("R0.1.1"), std::nullopt);
}

TEST(DateForms, TextsThatAreNoDayAreRefused) {
    for (const char* text : {"", "2026/13/01", "2026/02/30", "2026/12", "2026/12/08/1", "12/08/2026", "2026-12/08",
                             "202612080", "1899/12/31", "3000/01/01", "X8.12.8", "令和8年12月", "明日"}) {
        EXPECT_EQ(readStatementDate(text), std::nullopt) << text;
    }
}

TEST(DateForms, AChosenFormReadsOnlyItself) {
    EXPECT_EQ(readStatementDate("2026/12/08", DateForm::Slash), day(2026, 12, 8));
    EXPECT_EQ(readStatementDate("2026-12-08", DateForm::Slash), std::nullopt);
    EXPECT_EQ(readStatementDate("20261208", DateForm::Hyphen), std::nullopt);
    EXPECT_EQ(readStatementDate("20261208", DateForm::Digits), day(2026, 12, 8));
    EXPECT_EQ(readStatementDate("R8.12.8", DateForm::Kanji), std::nullopt);
    EXPECT_EQ(readStatementDate("令和8年12月8日", DateForm::Era), day(2026, 12, 8));
    for (DateForm form : {DateForm::Auto, DateForm::Slash, DateForm::Hyphen, DateForm::Digits, DateForm::Kanji,
                          DateForm::Era}) {
        EXPECT_EQ(dateFormFromName(dateFormName(form)), form);
    }
}

TEST(DateForms, QifDates) {
    EXPECT_EQ(readQifDate("12/8/2026"), day(2026, 12, 8));
    EXPECT_EQ(readQifDate("12/ 8'26"), day(2026, 12, 8));
    EXPECT_EQ(readQifDate(" 1/ 5'98"), day(2098, 1, 5));  // the apostrophe is the 2000s
    EXPECT_EQ(readQifDate("1/5/98"), day(1998, 1, 5));
    EXPECT_EQ(readQifDate("1/5/03"), day(2003, 1, 5));
    EXPECT_EQ(readQifDate("2026-12-08"), day(2026, 12, 8));
    EXPECT_EQ(readQifDate("13/1/2026"), std::nullopt);
    EXPECT_EQ(readQifDate("12/8"), std::nullopt);
    EXPECT_EQ(readQifDate("12.8.2026"), std::nullopt);
}

}  // namespace
}  // namespace kakeibo
