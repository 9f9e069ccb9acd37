#include <gtest/gtest.h>

#include "SummaryFixture.h"
#include "book/MonthSummary.h"
#include "book/WeekYearSummary.h"
#include "sheets/AmountText.h"

namespace kakeibo {
namespace {

class WeekYearSummaryTest : public SummaryFixture {
protected:
    WeekYearSummaryTest() {
        setCashSpending({{"食費", ""}, {"日用品", ""}});
        setCashIncome({"給与"});
        book.EditBank[0] = "A銀行";
        apply();
    }
    static int rowOf(const Sheet& sheet, const std::string& label) {
        for (int row = 2; row < sheet.rowCount(); ++row) {
            if (sheet.cell(0, row) == label) return row;
        }
        return -1;
    }
};

TEST_F(WeekYearSummaryTest, WeekSumsItsDaysWithTotalsAndAverages) {
    card(2000, 12, 2).spendList = {line("食費", 999)};   // the Saturday before: the very first card
    card(2000, 12, 4).spendList = {line("食費", 3000)};  // Monday
    card(2000, 12, 4).accountList = {line("A銀行 ＿ 貯金", 5000)};
    card(2000, 12, 5).spendList = {line("食費", 500), line("日用品", -500)};  // Tuesday nets to zero
    card(2000, 12, 6).spendList = {line("食費", 1000)};                       // Wednesday
    card(2000, 12, 6).incomeList = {line("給与", 250000)};
    card(2000, 12, 10).spendList = {line("食費", 7)};  // the next Sunday

    dispTheWY(book, kWeekMode, dayOf(2000, 12, 6));
    btnSumWeekClick(book);

    const Sheet& spend = book.GridWeekShishutsu;
    const int food = rowOf(spend, "食費");
    ASSERT_GT(food, 1);
    EXPECT_EQ(spend.cell(0, 1), "支 出 合 計");
    EXPECT_EQ(spend.cell(1, food), "4500");
    EXPECT_EQ(spend.cell(4, food), "3000");
    EXPECT_EQ(spend.cell(5, food), "500");
    EXPECT_EQ(spend.cell(6, food), "1000");
    EXPECT_EQ(spend.cell(3, food), "");
    EXPECT_EQ(spend.cell(1, 1), "4000");
    EXPECT_EQ(spend.cell(4, 1), "3000");
    EXPECT_EQ(spend.cell(5, 1), "0");
    EXPECT_EQ(spend.cell(6, 1), "1000");
    EXPECT_EQ(spend.cell(2, 1), "2000");  // over the two days above zero
    EXPECT_EQ(spend.cell(2, food), "2250");
    // Account lines are not part of the week, not even on the savings row.
    const int savings = rowOf(spend, "A銀行 ＿ 貯金");
    ASSERT_GT(savings, 1);
    EXPECT_EQ(spend.cell(4, savings), "");
    EXPECT_EQ(spend.cell(1, savings), "0");

    const Sheet& income = book.GridWeekShuNyu;
    EXPECT_EQ(income.cell(0, 1), "収 入 合 計");
    EXPECT_EQ(income.cell(6, rowOf(income, "給与")), "250000");
    EXPECT_EQ(income.cell(2, 1), "250000");
    EXPECT_EQ(rowOf(income, "貯金とりくずし"), -1);
    EXPECT_EQ(ui.beeps(), 1);

    // The result reaches the cursor when the week is left, and shows again.
    btnGoThisWeekClick(book);  // today, 10 December, is in the next week
    EXPECT_EQ(book.weeks.size(), 2);
    EXPECT_EQ(spend.cell(1, 1), "");
    btnGoPrevWeekClick(book);
    EXPECT_EQ(spend.cell(1, 1), "4000");
    EXPECT_EQ(spend.cell(2, food), "2250");
}

TEST_F(WeekYearSummaryTest, WeekWithoutCardsKeepsLabelsWithoutTotals) {
    dispTheWY(book, kWeekMode, dayOf(2001, 6, 6));
    btnSumWeekClick(book);
    EXPECT_EQ(ui.texts(), std::vector<std::string>{"この週のデータはありません"});
    EXPECT_EQ(book.GridWeekShishutsu.cell(0, 1), "支 出 合 計");
    EXPECT_EQ(book.GridWeekShishutsu.cell(1, 1), "");

    card(2001, 7, 1).spendList = {line("食費", 10)};
    ui.clear();
    btnSumWeekClick(book);
    EXPECT_TRUE(ui.texts().empty());
    EXPECT_EQ(book.GridWeekShishutsu.cell(1, 1), "");
}

TEST_F(WeekYearSummaryTest, TheWeekOfNewYearIsWeekOneOfTheNewYear) {
    dispTheWY(book, kWeekMode, dayOf(2000, 12, 31));
    EXPECT_EQ(book.pnlYearWeek, "2001");
    EXPECT_EQ(book.pnlWeekWeek, "1");
    EXPECT_EQ(book.GridWeekShishutsu.cell(3, 0), "12/31（日）");
    EXPECT_EQ(book.GridWeekShuNyu.cell(9, 0), "1/6（土）");
    EXPECT_EQ(book.weeks.cur().start, dayOf(2000, 12, 31));
}

TEST_F(WeekYearSummaryTest, WeekCursorsAreMadeOncePerWeekInDateOrder) {
    btnGoThisWeekClick(book);
    btnGoThisWeekClick(book);
    EXPECT_EQ(book.weeks.size(), 1);
    EXPECT_EQ(book.pnlPageWeek, "1 / 1");

    ui.pushCalendar(CalendarResult{true, 2000, 11, 15});
    btnGoAnyWeekClick(book);
    EXPECT_EQ(book.weeks.size(), 2);
    EXPECT_EQ(book.weeks.first().start, dayOf(2000, 11, 12));
    EXPECT_EQ(book.pnlPageWeek, "1 / 2");

    ui.pushCalendar(CalendarResult{true, 2000, 2, 30});
    btnGoAnyWeekClick(book);
    ui.pushCalendar(CalendarResult{true, 2000, 2, 0});
    btnGoAnyWeekClick(book);
    EXPECT_EQ(ui.texts(), (std::vector<std::string>{"日付が正しく処理されませんでした",
                                                    "日付が正しく処理されませんでした"}));
    btnGoAnyWeekClick(book);  // cancelled
    EXPECT_EQ(book.weeks.size(), 2);

    btnGoPrevWeekClick(book);
    EXPECT_EQ(ui.texts().back(), "これが先頭のカードです");
    btnGoTailWeekClick(book);
    EXPECT_EQ(book.pnlPageWeek, "2 / 2");

    ui.pushMessageAnswers({MsgResult::Ok, MsgResult::Ok});
    btnDeleteWeekClick(book);
    EXPECT_EQ(book.weeks.size(), 1);
    EXPECT_EQ(book.pnlPageWeek, "1 / 1");
    btnDeleteWeekClick(book);
    EXPECT_EQ(ui.texts().back(), "最後の１枚は削除できません");
}

TEST_F(WeekYearSummaryTest, YearTakesTheMonthNamedJanuaryFromDecember) {
    setFirstDay(16);
    card(2000, 11, 20).spendList = {line("食費", 777)};   // named December 2000
    card(2000, 12, 20).spendList = {line("食費", 5000)};  // named January 2001
    dispTheMonth(book, getMonthKey(dayOf(2000, 11, 20), 16));
    btnSumMonthClick(book);
    dispTheMonth(book, getMonthKey(dayOf(2000, 12, 20), 16));
    btnSumMonthClick(book);
    ASSERT_EQ(book.months.first().key, dayOf(2000, 12, 1));

    dispTheWY(book, kYearMode, dayOf(2001, 5, 5));
    EXPECT_EQ(book.pnlYearYear, "2001");
    ui.clear();
    btnSumYearClick(book);
    const Sheet& spend = book.GridYearShishutsu;
    const int food = rowOf(spend, "食費");
    EXPECT_EQ(spend.cell(3, food), "5000");
    EXPECT_EQ(spend.cell(1, 1), "5000");
    EXPECT_EQ(spend.cell(2, 1), "5000");
    EXPECT_EQ(spend.cell(14, food), "");
    EXPECT_TRUE(ui.texts().empty());
    EXPECT_EQ(ui.beeps(), 1);
}

TEST_F(WeekYearSummaryTest, YearAveragesOverTheMonthsSummed) {
    for (int month : {3, 5}) {
        MonthRecord& record = book.months.insert(dayOf(2001, month, 1));
        record.spendList = {TYosan{"食費", 60000, 70000}};
        record.incomeList = {TMatome{"給与", 300000}, TMatome{"貯金とりくずし", 100}};
    }
    dispTheWY(book, kYearMode, dayOf(2001, 1, 1));
    btnSumYearClick(book);
    const Sheet& spend = book.GridYearShishutsu;
    EXPECT_EQ(spend.cell(1, 1), "120000");
    EXPECT_EQ(spend.cell(2, 1), "60000");
    EXPECT_EQ(spend.cell(5, 1), "60000");
    EXPECT_EQ(spend.cell(7, 1), "60000");
    EXPECT_EQ(spend.cell(4, 1), "0");
    EXPECT_EQ(book.GridYearShuNyu.cell(1, 1), "600000");  // taking from savings has no row

    // A year with no record inside.
    dispTheWY(book, kYearMode, dayOf(1999, 1, 1));
    ui.clear();
    btnSumYearClick(book);
    EXPECT_EQ(ui.texts(), std::vector<std::string>{"この年度のデータはありません"});
}

TEST_F(WeekYearSummaryTest, ChosenYearMustHaveAFirstOfJanuary) {
    ui.pushYearMonth(YearMonthResult{true, 10000, 0});
    btnGoAnyYearClick(book);
    EXPECT_EQ(ui.texts(), std::vector<std::string>{"日付が正しく処理されませんでした"});
    ui.pushYearMonth(YearMonthResult{false, 1990, 0});
    btnGoAnyYearClick(book);
    EXPECT_EQ(book.years.size(), 1);
    EXPECT_EQ(ui.yearMonthRequests(), (std::vector<bool>{false, false}));

    ui.pushYearMonth(YearMonthResult{true, 1990, 0});
    btnGoAnyYearClick(book);
    EXPECT_EQ(book.years.size(), 2);
    EXPECT_EQ(book.pnlYearYear, "1990");
    btnGoPrevYearClick(book);
    EXPECT_EQ(ui.texts().back(), "これが先頭のカードです");
    btnGoNextYearClick(book);
    EXPECT_EQ(book.pnlYearYear, "2000");
}

TEST(SumTableTotals, AveragesStayEmptyWhenNoColumnIsAboveZero) {
    Sheet sheet("GridYearShishutsu", 15, 4);
    sheet.setCell(0, 2, "食費");
    sheet.setCell(4, 2, "-5");
    sumTableTotals(sheet);
    EXPECT_EQ(sheet.cell(1, 2), "-5");
    EXPECT_EQ(sheet.cell(1, 1), "-5");
    EXPECT_EQ(sheet.cell(2, 1), "");
    EXPECT_EQ(sheet.cell(2, 2), "");
}

}  // namespace
}  // namespace kakeibo
