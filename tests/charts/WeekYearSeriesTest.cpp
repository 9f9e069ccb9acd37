#include <gtest/gtest.h>

#include "book/MonthSummary.h"
#include "book/SummaryFixture.h"
#include "book/WeekYearSummary.h"
#include "charts/WeekSeries.h"
#include "charts/ValueRange.h"
#include "charts/YearSeries.h"
#include "sheets/AmountText.h"

namespace kakeibo {
namespace {

class WeekYearSeriesTest : public SummaryFixture {
protected:
    WeekYearSeriesTest() {
        std::vector<std::pair<std::string, std::string>> categories;
        for (int i = 1; i <= 10; ++i) categories.emplace_back("科目" + std::to_string(i), "");
        setCashSpending(categories);
        setCashIncome({"給与"});
        apply();
    }
};

TEST_F(WeekYearSeriesTest, TheWeeksDaysAreItsTotalsRow) {
    card(2000, 12, 2).spendList = {line("科目1", 999)};  // the Saturday before
    card(2000, 12, 4).spendList = {line("科目1", 3000), line("科目2", 200)};
    card(2000, 12, 6).incomeList = {line("給与", 250000)};
    card(2000, 12, 9).spendList = {line("科目3", 45.5)};
    dispTheWY(book, kWeekMode, dayOf(2000, 12, 6));
    btnSumWeekClick(book);

    const WeekSeries week = weekSeries(book);
    ASSERT_TRUE(week.summed);
    for (int i = 0; i < 7; ++i) {
        const WeekDay& day = week.days[static_cast<std::size_t>(i)];
        EXPECT_EQ(day.date, dayOf(2000, 12, 3) + i);
        EXPECT_EQ(day.label, book.GridWeekShishutsu.cell(3 + i, 0));  // the sheet's own header
        EXPECT_EQ(day.spending, textToAmount(book.GridWeekShishutsu.cell(3 + i, 1)));
        EXPECT_EQ(day.income, textToAmount(book.GridWeekShuNyu.cell(3 + i, 1)));
    }
    EXPECT_EQ(week.days[0].label, "12/3（日）");
    EXPECT_EQ(week.days[1].spending, 3200);
    EXPECT_EQ(week.days[3].income, 250000);
    EXPECT_EQ(week.days[6].spending, 45.5);
    EXPECT_EQ(week.days[0].spending, 0);

    dispTheWY(book, kWeekMode, dayOf(2000, 12, 13));  // a week never summed
    EXPECT_FALSE(weekSeries(book).summed);
}

TEST_F(WeekYearSeriesTest, TheYearsMonthsStackByItsLargestCategoriesUpToTheirTotals) {
    for (int month = 1; month <= 12; ++month) {
        CardEdit day = card(2000, month, 10);
        for (int i = 1; i <= 10; ++i) day.spendList.push_back(line("科目" + std::to_string(i), 100.0 * i + month));
        day.incomeList = {line("給与", 200000.0 + month)};
    }
    for (int month = 1; month <= 11; ++month) {  // December is never summed
        dispTheMonth(book, dayOf(2000, month, 1));
        btnSumMonthClick(book);
    }
    dispTheWY(book, kYearMode, dayOf(2000, 6, 1));
    btnSumYearClick(book);

    const YearSeries year = yearSeries(book);
    ASSERT_TRUE(year.summed);
    EXPECT_EQ(year.year, 2000);
    for (int m = 0; m < 12; ++m) {
        EXPECT_EQ(year.spending[static_cast<std::size_t>(m)], textToAmount(book.GridYearShishutsu.cell(3 + m, 1)));
        EXPECT_EQ(year.income[static_cast<std::size_t>(m)], textToAmount(book.GridYearShuNyu.cell(3 + m, 1)));
    }
    EXPECT_EQ(year.income[0], 200001);
    EXPECT_EQ(year.spending[11], 0);

    const std::vector<YearStack> stacks = yearStacks(year);
    ASSERT_EQ(stacks.size(), 9u);
    EXPECT_EQ(stacks[0].name, "科目10");
    EXPECT_EQ(stacks[7].name, "科目3");
    EXPECT_EQ(stacks[8].name, "その他");
    EXPECT_EQ(stacks[8].months[0], 101 + 201);
    for (std::size_t m = 0; m < 12; ++m) {
        double stacked = 0;
        for (const YearStack& stack : stacks) stacked += stack.months[m];
        EXPECT_DOUBLE_EQ(stacked, year.spending[m]) << "month " << m + 1;
    }

    dispTheWY(book, kYearMode, dayOf(2001, 1, 1));
    EXPECT_FALSE(yearSeries(book).summed);
    EXPECT_TRUE(yearStacks(yearSeries(book)).empty());
}

TEST(ValueRange, StacksPileTheirPositiveAndNegativePartsApart) {
    TwelveMonths income{};
    income[1] = 900;
    std::vector<YearStack> stacks = {{"a", {}}, {"b", {}}};
    stacks[0].months[0] = 500;
    stacks[1].months[0] = 400;
    stacks[1].months[2] = -300;
    EXPECT_EQ(yearRange(stacks, income), (ValueRange{-300, 900}));
    stacks[1].months[0] = 700;
    EXPECT_EQ(yearRange(stacks, income), (ValueRange{-300, 1200}));
    EXPECT_EQ(yearRange({}, TwelveMonths{}), (ValueRange{0, 0}));
}

TEST(ValueRange, TheBalancesGetRoomAboveAndBelowThatStopsAtZero) {
    HistoryView view;
    view.low = 10000;
    view.high = 18010000;
    EXPECT_EQ(historyRange(view), (ValueRange{0, 18370000}));
    view.low = -800;
    view.high = 0;
    EXPECT_EQ(historyRange(view), (ValueRange{-816, 16}));
    view.low = -5000;
    view.high = -1000;
    EXPECT_EQ(historyRange(view), (ValueRange{-5080, -920}));
}

}  // namespace
}  // namespace kakeibo
