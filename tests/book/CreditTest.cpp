#include <gtest/gtest.h>

#include "BookFixture.h"
#include "book/Credit.h"
#include "book/DayCalculation.h"
#include "book/Stores.h"

namespace kakeibo {
namespace {

using namespace test;

std::vector<std::string> creditRow(const Book& book, int row) {
    std::vector<std::string> cells;
    for (int col = 0; col < 9; ++col) cells.push_back(book.GridCredit.cell(col, row));
    return cells;
}

using Row = std::vector<std::string>;

TEST(Credit, APurchaseIsListedOnceHoweverOftenItsDayIsCalculated) {
    BookFixture f;
    f.show(2026, 3, 5);
    f.spend(1, "靴", "5000", "Xカード");
    f.spend(2, "靴", "5000", "Xカード");  // the same purchase twice on one day
    f.spend(3, "", "5000", "決済 ＿ Xカード");  // a settlement makes no record
    f.spend(4, "本", "1200", "食費");
    btnCalcMouseUp(f.book, false);
    btnCalcMouseUp(f.book, false);

    EXPECT_EQ(creditRow(f.book, 1), (Row{"2026", "3", "5", "靴", "5000", "Xカード", "", "", ""}));
    EXPECT_EQ(creditRow(f.book, 2), Row(9, ""));
    EXPECT_EQ(f.book.GridCredit.rowCount(), 11);
}

TEST(Credit, ACorrectedAmountAddsASecondRecordAboveTheFirst) {
    BookFixture f;
    f.show(2026, 3, 5);
    f.spend(1, "靴", "01500", "Yカード");
    btnCalcMouseUp(f.book, false);  // listed as typed; the card keeps 1500
    btnCalcMouseUp(f.book, false);  // shown again as 1500: a second record
    EXPECT_EQ(f.book.GridCredit.cell(4, 1), "1500");
    EXPECT_EQ(f.book.GridCredit.cell(4, 2), "01500");
    btnCalcMouseUp(f.book, false);
    EXPECT_EQ(f.book.GridCredit.cell(4, 3), "");
}

TEST(Credit, NewestPurchasesGoOnTopAndOldRowsMoveDownWhole) {
    BookFixture f;
    Sheet& credit = f.book.GridCredit;
    for (int col = 0; col < 9; ++col) credit.setCell(col, 1, "old" + std::to_string(col));
    for (int day = 1; day <= 3; ++day) {
        f.show(2026, 3, day);
        f.spend(1, "品" + std::to_string(day), "100", "Xカード");
        storeTheDay(f.book);
    }
    f.show(2026, 3, 1);
    btnCalcMouseUp(f.book, true);
    EXPECT_EQ(credit.cell(3, 1), "品3");
    EXPECT_EQ(credit.cell(3, 2), "品2");
    EXPECT_EQ(credit.cell(3, 3), "品1");
    EXPECT_EQ(creditRow(f.book, 4), (Row{"old0", "old1", "old2", "old3", "old4", "old5", "old6", "old7", "old8"}));
    EXPECT_EQ(credit.rowCount(), 13);

    // A run again lists nothing twice; a single calculation neither.
    btnCalcMouseUp(f.book, true);
    btnCalcMouseUp(f.book, false);
    EXPECT_EQ(credit.rowCount(), 13);
}

TEST(Credit, StatusCellTogglesOnlyInColumnSix) {
    BookFixture f;
    EXPECT_TRUE(toggleCreditStatus(f.book, 6, 1));
    EXPECT_EQ(f.book.GridCredit.cell(6, 1), "支払済");
    EXPECT_TRUE(toggleCreditStatus(f.book, 6, 1));
    EXPECT_EQ(f.book.GridCredit.cell(6, 1), "");
    f.book.GridCredit.setCell(6, 2, "未");
    EXPECT_TRUE(toggleCreditStatus(f.book, 6, 2));
    EXPECT_EQ(f.book.GridCredit.cell(6, 2), "支払済");

    EXPECT_FALSE(toggleCreditStatus(f.book, 5, 1));
    EXPECT_FALSE(toggleCreditStatus(f.book, 6, 0));  // the header
    EXPECT_EQ(f.book.GridCredit.cell(6, 0), "ステータス");
    EXPECT_EQ(f.book.GridCredit.cell(5, 1), "");
}

TEST(Credit, DeleteQuestionNamesTheDate) {
    BookFixture f;
    f.book.GridCredit.setCell(0, 1, "2026");
    f.book.GridCredit.setCell(1, 1, "3");
    f.book.GridCredit.setCell(2, 1, "5");
    EXPECT_EQ(creditDeleteQuestion(f.book.GridCredit, 1), "2026 - 3 - 5   この行を削除していいですか？");
}

TEST(Credit, CardsOfAnUnnamedAccountMakeNoRecord) {
    BookFixture f;
    f.book.GridSetKoza2.setCell(3, 1, "Zカード");
    f.show(2026, 3, 5);
    f.spend(1, "", "100", "Zカード");
    btnCalcMouseUp(f.book, false);
    EXPECT_EQ(f.book.GridCredit.cell(5, 1), "");
    EXPECT_EQ(f.ui.texts(), std::vector<std::string>{"支出の 1 行めの分類が正しく記入されていません"});
}

}  // namespace
}  // namespace kakeibo
