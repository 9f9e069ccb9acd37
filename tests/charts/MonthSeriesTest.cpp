#include <gtest/gtest.h>

#include <numeric>

#include "book/MonthSummary.h"
#include "book/SummaryFixture.h"
#include "charts/MonthSeries.h"
#include "sheets/AmountText.h"

namespace kakeibo {
namespace {

class MonthSeriesTest : public SummaryFixture {
protected:
    MonthSeriesTest() {
        setCashSpending({{"食費", "30000"}, {"日用品", "5000"}, {"交際費", ""}});
        setCashIncome({"お小遣い"});
        book.GridSetChokin.setCell(0, 1, "20000");
        book.EditBank[0] = "A銀行";
        book.GridSetKoza0.setCell(0, 1, "家賃");
        book.GridSetKoza0.setCell(1, 1, "60000");
        book.GridSetKoza0.setCell(3, 1, "Aカード");
        book.GridSetKoza0.setCell(4, 1, "8000");
        book.GridSetKoza0.setCell(6, 1, "給与");
        apply();
    }
    void sumDecember() {
        dispTheMonth(book, dayOf(2000, 12, 1));
        btnSumMonthClick(book);
    }
    static double total(const std::vector<Share>& shares) {
        return std::accumulate(shares.begin(), shares.end(), 0.0, [](double s, const Share& x) { return s + x.amount; });
    }
};

TEST_F(MonthSeriesTest, TheSeriesIsTheSheetsAndItsSharesAddUpToTheSpendingTotal) {
    card(2000, 12, 2).spendList = {line("食費", 20000), line("Aカード", 5000), line("現金から貯金", 10000)};
    card(2000, 12, 3).spendList = {line("食費", 15000), line("決済 ＿ Aカード", 3000), line("家賃", 60000)};
    card(2000, 12, 3).accountList = {line("A銀行 ＿ 貯金", 4000)};
    card(2000, 12, 4).incomeList = {line("給与", 250000), line("お小遣い", 1000)};
    sumDecember();

    const MonthSeries month = monthSeries(book);
    ASSERT_TRUE(month.summed);
    EXPECT_EQ(month.key, dayOf(2000, 12, 1));
    EXPECT_EQ(month.first, dayOf(2000, 12, 1));
    EXPECT_EQ(month.last, dayOf(2000, 12, 31));
    // Every named row of the spending sheet, in its order, as it reads.
    const Sheet& sheet = book.GridMonthShishutu;
    std::size_t i = 0;
    for (int row = 1; row < sheet.rowCount(); ++row) {
        if (sheet.cell(0, row).empty()) continue;
        ASSERT_LT(i, month.spending.size());
        EXPECT_EQ(month.spending[i].category, sheet.cell(0, row));
        EXPECT_EQ(month.spending[i].used, textToAmount(sheet.cell(1, row)));
        EXPECT_EQ(month.spending[i].budget, textToAmount(sheet.cell(2, row)));
        ++i;
    }
    EXPECT_EQ(i, month.spending.size());
    EXPECT_EQ(month.spendingTotal, textToAmount(book.GridMonthSum.cell(1, 1)));
    EXPECT_EQ(month.spendingTotal, 20000 + 15000 + 10000 + 3000 + 60000 + 4000);
    EXPECT_EQ(month.incomeTotal, 251000);
    EXPECT_EQ(month.balance, 251000 - 112000);

    // The card purchase is not spending of the month; its settlement is.
    const std::vector<Share> shares = spendingShares(month);
    EXPECT_DOUBLE_EQ(total(shares), month.spendingTotal);
    EXPECT_EQ(std::count_if(shares.begin(), shares.end(), [](const Share& s) { return s.name == "Aカード"; }), 0);
    EXPECT_EQ(shares.front(), (Share{"家賃", 60000, 60000.0 / 112000}));

    // Bars for the rows with a budget or a use; red only past a set budget.
    const std::vector<BudgetBar> bars = budgetBars(month);
    auto bar = [&](const std::string& name) {
        const auto it = std::find_if(bars.begin(), bars.end(), [&](const BudgetBar& b) { return b.label == name; });
        return it == bars.end() ? std::optional<BudgetBar>() : *it;
    };
    EXPECT_EQ(bar("食費"), (BudgetBar{"食費", 35000, 30000, true}));
    EXPECT_EQ(bar("日用品"), (BudgetBar{"日用品", 0, 5000, false}));
    EXPECT_EQ(bar("家賃"), (BudgetBar{"家賃", 60000, 60000, false}));  // on budget is not over it
    EXPECT_EQ(bar("A銀行 ＿ 貯金"), (BudgetBar{"A銀行 ＿ 貯金", 4000, 0, false}));
    EXPECT_FALSE(bar("交際費"));  // neither budget nor use
}

TEST_F(MonthSeriesTest, AMonthWithoutCardsShowsItsBudgetsAndNoShares) {
    card(2000, 11, 20).spendList = {line("食費", 999)};
    sumDecember();
    const MonthSeries month = monthSeries(book);
    ASSERT_TRUE(month.summed);
    EXPECT_EQ(month.spendingTotal, 0);
    EXPECT_TRUE(spendingShares(month).empty());
    const std::vector<BudgetBar> bars = budgetBars(month);
    ASSERT_FALSE(bars.empty());
    for (const BudgetBar& bar : bars) {
        EXPECT_EQ(bar.used, 0) << bar.label;
        EXPECT_GT(bar.budget, 0) << bar.label;
    }
}

TEST_F(MonthSeriesTest, ARecordNeverSummedIsNoSeries) {
    dispTheMonth(book, dayOf(2001, 1, 1));
    const MonthSeries month = monthSeries(book);
    EXPECT_FALSE(month.summed);
    EXPECT_TRUE(month.spending.empty());
    EXPECT_EQ(month.first, dayOf(2001, 1, 1));
}

TEST_F(MonthSeriesTest, EightLargestByNameAndTheRestTogetherWithTheBooksOwnOthers) {
    std::vector<std::pair<std::string, std::string>> categories;
    for (int i = 1; i <= 11; ++i) categories.emplace_back("科目" + std::to_string(i), "");
    categories.emplace_back("その他", "");
    setCashSpending(categories);
    apply();
    {
        CardEdit day = card(2000, 12, 5);
        for (int i = 1; i <= 11; ++i) day.spendList.push_back(line("科目" + std::to_string(i), 1000.0 * i));
        day.spendList.push_back(line("その他", 50000));  // the largest, yet the book's own "other"
        day.spendList.push_back(line("科目1", -3000));     // a refund beyond the spending
    }
    sumDecember();

    const std::vector<Share> shares = spendingShares(monthSeries(book));
    ASSERT_EQ(shares.size(), 9u);
    EXPECT_EQ(shares[0].name, "科目11");
    EXPECT_EQ(shares[7].name, "科目4");
    EXPECT_EQ(shares[8].name, "その他");
    EXPECT_EQ(shares[8].amount, 50000 + 3000 + 2000);  // 科目1 fell below zero and has no share
    double fractions = 0;
    for (const Share& share : shares) fractions += share.fraction;
    EXPECT_DOUBLE_EQ(fractions, 1);
}

TEST(ShareLabel, NameAmountAndPercent) {
    EXPECT_EQ(shareLabel(Share{"食費", 12345, 0.234}, AmountDisplay{true, false}), "食費 12,345 (23%)");
    EXPECT_EQ(shareLabel(Share{"雑費", 10, 0.001}, AmountDisplay{}), "雑費 10 (1%未満)");
}

TEST(DistinctLabels, ANameGivenAgainIsToldApart) {
    EXPECT_EQ(distinctLabels({"食費", "家賃", "食費", "食費 (2)"}),
              (std::vector<std::string>{"食費", "家賃", "食費 (2)", "食費 (2) (2)"}));
}

}  // namespace
}  // namespace kakeibo
