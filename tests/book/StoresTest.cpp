#include "book/Stores.h"

#include <gtest/gtest.h>

#include "model/DayStore.h"
#include "support/ScriptedUi.h"
#include "support/CardEdit.h"

namespace kakeibo {
namespace {

void writeHeaders(Sheet& sheet) {
    for (int col = 0; col < sheet.colCount(); ++col) sheet.setCell(col, 0, "header");
}

class StoresTest : public ::testing::Test {
protected:
    StoresTest() {
        for (Sheet* sheet : book.allSheets()) writeHeaders(*sheet);
    }
    ScriptedUi ui;
    Book book{ui};
};

TEST_F(StoresTest, StoreTheDayFillsTheCurrentCardOnly) {
    book.cards.init(100);
    editCard(book.cards, 0).memo = "kept\r\n";
    book.cards.insert(200);
    book.cards.insert(150);  // current

    book.GridShishutu.setCell(0, 2, "昼食");
    book.GridShishutu.setCell(1, 2, "abc");
    book.GridShishutu.setCell(0, 4, "本");
    book.GridShishutu.setCell(2, 4, "雑費");
    book.GridShishutu.setCell(1, 4, "1200");
    book.GridShuNyu.setCell(0, 1, "給与");
    book.GridShuNyu.setCell(1, 1, "250000");
    book.GridKoza.setCell(2, 1, "銀行 ＿ 引出");
    book.GridYosan.setCell(0, 1, "食費");
    book.GridMatome.setCell(0, 1, "現金残");
    book.GridMatome.setCell(1, 1, "5000");
    book.Memo1 = "一行目\n二行目";

    storeTheDay(book);
    const TIndex& card = book.cards.cur();
    EXPECT_EQ(card.date, 150);
    EXPECT_EQ(card.spendList, (std::vector<TKiroku>{{}, {"昼食", "", 0}, {}, {"本", "雑費", 1200}}));
    EXPECT_EQ(card.spendCount(), 4);
    EXPECT_EQ(card.incomeList, (std::vector<TKiroku>{{"給与", "", 250000}}));
    EXPECT_EQ(card.accountList, (std::vector<TKiroku>{{"", "銀行 ＿ 引出", 0}}));
    EXPECT_EQ(card.budgetList, (std::vector<TYosan>{{"食費", 0, 0}}));
    EXPECT_EQ(card.summaryList, (std::vector<TMatome>{{"現金残", 5000}}));
    EXPECT_EQ(card.memo, "一行目\r\n二行目\r\n");
    EXPECT_EQ(book.cards.first().memo, "kept\r\n");
    EXPECT_TRUE(book.cards.last().spendList.empty());

    // Emptied sheets and memo empty the card again.
    for (Sheet* s :
         {&book.GridShishutu, &book.GridShuNyu, &book.GridKoza, &book.GridYosan, &book.GridMatome}) {
        s->clearAll();
        writeHeaders(*s);
    }
    book.Memo1.clear();
    storeTheDay(book);
    EXPECT_EQ(book.cards.cur(), (TIndex{150, {}, {}, {}, {}, {}, ""}));
}

TEST_F(StoresTest, ACardLongerThanItsSheetSurvivesShowingAndStoring) {
    book.cards.init(36526);
    {
        CardEdit card(book.cards, 0);
        for (int i = 0; i < 40; ++i) card.spendList.push_back({"品" + std::to_string(i), "食費", 10.0 * i});
        card.memo = "メモ\r\n\r\n";
    }
    const TIndex original = book.cards.cur();
    const TIndex& card = original;

    book.GridShishutu.setRowCount(10);
    dispKiroku(card.spendList, book.GridShishutu);
    book.Memo1 = memoToEditorText(card.memo);
    storeTheDay(book);
    EXPECT_EQ(book.cards.cur(), original);
}

TEST_F(StoresTest, StoreTheMonthTakesColumnTwelveAndSkipsTheSeparators) {
    book.months.init(36892);
    for (int col = 1; col < 13; ++col) book.GridMonthSum.setCell(col, 1, std::to_string(col * 1000));
    book.GridMonthShishutu.setCell(0, 2, "食費");
    book.GridMonthMatome.setCell(0, 1, "家計合計");
    book.GridMonthMatome.setCell(1, 1, "1.5");

    storeTheMonth(book);
    const MonthRecord& m = book.months.cur();
    EXPECT_EQ(m.key, 36892);
    EXPECT_EQ(m.householdChange, 12000);
    EXPECT_EQ(m.unpaidCredit, 10000);
    EXPECT_EQ(m.savings, 9000);
    EXPECT_EQ(m.householdTotal, 7000);
    EXPECT_EQ(m.cashTotal, 5000);
    EXPECT_EQ(m.balance, 3000);
    EXPECT_EQ(m.spendList, (std::vector<TYosan>{{}, {"食費", 0, 0}}));
    EXPECT_TRUE(m.incomeList.empty());
    EXPECT_EQ(m.summaryList, (std::vector<TMatome>{{"家計合計", 1.5}}));

    // The separators hold nothing the record keeps.
    for (int col : {4, 8, 11}) book.GridMonthSum.setCell(col, 1, "77777");
    MonthRecord before = m;
    storeTheMonth(book);
    EXPECT_EQ(book.months.cur(), before);
}

TEST_F(StoresTest, WeekAndYearSheetsGoToTheirCurrentCursors) {
    book.weeks.init(36891);
    book.weeks.insert(36898);
    book.weeks.setCurIndex(0);
    book.years.init(36892);

    book.GridYearShishutsu.setCell(0, 2, "食費");  // a name and blank month cells
    book.GridWeekShuNyu.setCell(0, 1, "収 入 合 計");
    book.GridWeekShuNyu.setCell(4, 1, "3000");

    storeWeekAndYear(book);
    const PeriodCursor& year = book.years.cur();
    ASSERT_EQ(year.spendTable.size(), 2u);
    EXPECT_EQ(year.spendTable[1].name, "食費");
    EXPECT_EQ(year.spendTable[1].cells, std::vector<SumCell>(13));
    EXPECT_TRUE(year.incomeTable.empty());
    EXPECT_EQ(year.spendRows, 2);

    const PeriodCursor& week = book.weeks.first();
    EXPECT_TRUE(week.spendTable.empty());
    ASSERT_EQ(week.incomeTable.size(), 1u);
    EXPECT_EQ(week.incomeTable[0].cellCount(), 8);
    EXPECT_EQ(week.incomeTable[0].cells[2].value, 3000);
    EXPECT_TRUE(book.weeks.last().incomeTable.empty());
}

TEST_F(StoresTest, EmptyListsAreLeftAlone) {
    book.GridShishutu.setCell(0, 1, "x");
    storeTheDay(book);
    storeTheMonth(book);
    storeWeekAndYear(book);
    EXPECT_TRUE(book.cards.empty());
    EXPECT_TRUE(book.months.empty());
    EXPECT_TRUE(book.weeks.empty());
}

}  // namespace
}  // namespace kakeibo
