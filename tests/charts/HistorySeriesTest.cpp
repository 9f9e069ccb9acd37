#include <gtest/gtest.h>

#include "book/DayCalculation.h"
#include "book/DayDisplay.h"
#include "book/Stores.h"
#include "book/SummaryFixture.h"
#include "charts/HistorySeries.h"
#include "sheets/AmountText.h"

namespace kakeibo {
namespace {

class HistorySeriesTest : public SummaryFixture {
protected:
    HistorySeriesTest() {
        setCashSpending({{"食費", "30000"}});
        setCashIncome({"給与"});
        book.EditBank[0] = "A銀行";
        book.GridShokiGenkin.setCell(1, 0, "50000");
        book.GridShokiKoza.setCell(1, 1, "300000");
        book.chkBoxShokichiUse = true;
        apply();
    }

    // Shows the card of a day, writes one spending line and, when asked,
    // presses 計算する; returns the day summary's rows 4 to 7 as they stand.
    Balances enterDay(int day, double food, bool calculate) {
        storeTheDay(book);
        dispTheDay(book, dayOf(2000, 12, day));
        book.GridShishutu.setCell(0, 1, "昼食");
        book.GridShishutu.setCell(1, 1, amountToText(food));
        book.GridShishutu.setCell(2, 1, "食費");
        if (calculate) btnCalcMouseUp(book, false);
        storeTheDay(book);
        const Sheet& matome = book.GridMatome;
        return Balances{textToAmount(matome.cell(1, 4)), textToAmount(matome.cell(1, 5)),
                        textToAmount(matome.cell(1, 6)), textToAmount(matome.cell(1, 7))};
    }
};

TEST_F(HistorySeriesTest, OnePointPerCalculatedCardWithTheBalancesOfItsSummary) {
    const Balances first = enterDay(1, 1000, true);
    const Balances second = enterDay(2, 2000, true);
    enterDay(3, 3000, false);  // shown and stored, never calculated
    const Balances fourth = enterDay(4, 4000, true);

    EXPECT_EQ(first.cash, 49000);
    EXPECT_EQ(first.accounts, 300000);
    EXPECT_EQ(first.household, 349000);
    EXPECT_EQ(fourth.cash, 43000);  // the uncalculated card's lunch counts in no balance

    const std::vector<HistoryPoint> points = historySeries(book.cards);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0], (HistoryPoint{dayOf(2000, 12, 1), first, false}));
    EXPECT_EQ(points[1], (HistoryPoint{dayOf(2000, 12, 2), second, false}));
    // The card of the 3rd holds summary labels with zero amounts, yet it is
    // left out (not drawn as a fall to zero) and breaks the line.
    EXPECT_EQ(points[2], (HistoryPoint{dayOf(2000, 12, 4), fourth, true}));
}

TEST_F(HistorySeriesTest, BoundsAreInclusiveAndAGapOutsideThemIsNoGap) {
    enterDay(1, 1000, false);  // before every point: nothing to break
    enterDay(2, 1000, true);
    enterDay(3, 1000, false);
    enterDay(4, 1000, true);
    enterDay(5, 1000, true);

    std::vector<HistoryPoint> points = historySeries(book.cards);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_FALSE(points[0].afterGap);
    EXPECT_TRUE(points[1].afterGap);

    points = historySeries(book.cards, dayOf(2000, 12, 4), dayOf(2000, 12, 5));
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].date, dayOf(2000, 12, 4));
    EXPECT_FALSE(points[0].afterGap);  // the gap lies before the range
    EXPECT_TRUE(historySeries(book.cards, dayOf(2000, 12, 6), std::nullopt).empty());
}

TEST(CardBalances, ACardWithoutBudgetRowsOrWithTooFewSummaryRowsHasNone) {
    TIndex card;
    card.summaryList.assign(19, TMatome{"x", 5});
    EXPECT_FALSE(cardBalances(card));
    card.budgetList.push_back(TYosan{"食費", 1, 2});
    card.summaryList.resize(6);
    EXPECT_FALSE(cardBalances(card));
    card.summaryList.resize(7, TMatome{"貯金合計額", 9});
    card.summaryList[3].amount = 1;
    EXPECT_EQ(cardBalances(card), (Balances{1, 5, 5, 9}));
}

}  // namespace
}  // namespace kakeibo
