#include <gtest/gtest.h>

#include "SummaryFixture.h"
#include "book/MonthSummary.h"
#include "book/Stores.h"
#include "sheets/AmountText.h"
#include "sheets/SheetOps.h"

namespace kakeibo {
namespace {

class MonthSummaryTest : public SummaryFixture {
protected:
    MonthSummaryTest() {
        setCashSpending({{"食費", "30000"}, {"日用品", ""}});
        book.GridSetChokin.setCell(0, 1, "20000");
        apply();
    }
    // The summary line's value in column col.
    double sumCell(int col) const { return textToAmount(book.GridMonthSum.cell(col, 1)); }
    // The row of a month sheet whose column 0 holds label, or -1.
    static int rowOf(const Sheet& sheet, const std::string& label) {
        for (int row = 1; row < sheet.rowCount(); ++row) {
            if (sheet.cell(0, row) == label) return row;
        }
        return -1;
    }
    std::string used(const std::string& category) const {
        const int row = rowOf(book.GridMonthShishutu, category);
        return row < 0 ? "<no row>" : book.GridMonthShishutu.cell(1, row);
    }
    void sumMonthOf(Date key) {
        dispTheMonth(book, key);
        btnSumMonthClick(book);
    }
};

TEST_F(MonthSummaryTest, FiscalMonthFromThe25thCoversItsOwnCardsOnly) {
    setFirstDay(25);
    card(2000, 11, 24).spendList = {line("食費", 1000)};  // the very first card, in November's month
    card(2000, 11, 25).spendList = {line("食費", 2000), line("旧科目", 700)};
    card(2000, 12, 24).spendList = {line("食費", 300), line("日用品", 45.5)};
    card(2000, 12, 25).spendList = {line("食費", 5000)};  // January's month

    sumMonthOf(dayOf(2000, 12, 1));

    EXPECT_EQ(book.pnlYearSum, "2000");
    EXPECT_EQ(book.pnlMonthSum, "12");
    EXPECT_EQ(book.pnlMonthStart, "2000/11/25");
    EXPECT_EQ(book.pnlMonthLast, "2000/12/24");
    EXPECT_EQ(used("食費"), "2300");
    EXPECT_EQ(used("日用品"), "45.5");
    EXPECT_EQ(rowOf(book.GridMonthShishutu, "旧科目"), -1);  // a category no longer set is counted nowhere
    EXPECT_EQ(book.GridMonthShishutu.cell(2, rowOf(book.GridMonthShishutu, "食費")), "30000");
    EXPECT_EQ(book.GridMonthShishutu.cell(2, rowOf(book.GridMonthShishutu, "現金から貯金")), "20000");
    EXPECT_EQ(book.GridMonthMatome.cell(1, 1), "2345.5");
    EXPECT_EQ(book.GridMonthMatome.cell(1, 2), "0");
    EXPECT_EQ(sumCell(1), 2345.5);
    EXPECT_EQ(sumCell(2), 0);
    EXPECT_EQ(sumCell(3), -2345.5);
    EXPECT_EQ(sumCell(5), -2345.5);
    EXPECT_EQ(sumCell(7), -2345.5);
    EXPECT_EQ(sumCell(12), -2345.5);
    EXPECT_EQ(book.GridMonthSum.cell(4, 1), "");  // separators stay empty

    // The result is in the record, which shows again as it was summed.
    const MonthRecord& record = book.months.cur();
    EXPECT_EQ(record.key, dayOf(2000, 12, 1));
    EXPECT_EQ(record.totalSpend, 2345.5);
    EXPECT_EQ(record.householdChange, -2345.5);
    EXPECT_EQ(ui.beeps(), 1);
    EXPECT_TRUE(ui.texts().empty());
}

TEST_F(MonthSummaryTest, CardPurchasesCountWhenSettled) {
    book.EditBank[0] = "A銀行";
    book.GridSetKoza0.setCell(3, 1, "Aカード");
    book.GridSetKoza0.setCell(4, 1, "8000");
    book.GridSetKoza0.setCell(6, 1, "給与");
    apply();
    card(2000, 12, 5).spendList = {line("Aカード", 5000), line("決済 ＿ Aカード", 3000)};
    card(2000, 12, 6).incomeList = {line("給与", 200000)};
    card(2000, 12, 7).accountList = {line("A銀行 ＿ 引出", 10000), line("A銀行 ＿ 貯金", 4000)};

    sumMonthOf(dayOf(2000, 12, 1));

    EXPECT_EQ(used("Aカード"), "5000");
    EXPECT_EQ(used("決済 ＿ Aカード"), "3000");
    EXPECT_EQ(used("A銀行 ＿ 貯金"), "4000");
    EXPECT_EQ(book.GridMonthShishutu.cell(2, rowOf(book.GridMonthShishutu, "決済 ＿ Aカード")), "8000");
    EXPECT_EQ(sumCell(1), 7000);  // settlement and savings; the purchase is not spending
    EXPECT_EQ(sumCell(2), 200000);
    EXPECT_EQ(sumCell(5), 10000);  // the withdrawal came into cash
    EXPECT_EQ(sumCell(6), 200000 - 3000 - 4000 - 10000);
    EXPECT_EQ(sumCell(9), 4000);
    EXPECT_EQ(sumCell(10), 2000);  // 5,000 bought, 3,000 paid
    // The account's own lines, packed from row 4.
    EXPECT_EQ(book.GridMonthMatome.cell(0, 4), "A銀行　支出合計");
    EXPECT_EQ(book.GridMonthMatome.cell(1, 4), "7000");
    EXPECT_EQ(book.GridMonthMatome.cell(1, 5), "200000");
    EXPECT_EQ(book.GridMonthMatome.cell(1, 2), "7000");
}

TEST_F(MonthSummaryTest, UnnamedAccountsCountNothingAndNamedOnesArePacked) {
    // Account 0 has lost its name but kept a debit category that is also a
    // cash category; account 1 is named.
    book.GridSetKoza0.setCell(0, 1, "食費");
    book.EditBank[1] = "B信金";
    book.GridSetKoza1.setCell(0, 1, "家賃");
    card(2000, 12, 5).spendList = {line("食費", 1000), line("家賃", 60000)};

    sumMonthOf(dayOf(2000, 12, 1));
    EXPECT_EQ(sumCell(1), 61000);  // 食費 once, as cash
    EXPECT_EQ(sumCell(5), -1000);
    EXPECT_EQ(sumCell(6), -60000);
    EXPECT_EQ(book.GridMonthMatome.cell(0, 4), "B信金　支出合計");
    EXPECT_EQ(book.GridMonthMatome.cell(1, 4), "60000");
    EXPECT_EQ(book.GridMonthMatome.cell(1, 5), "0");
    EXPECT_EQ(book.GridMonthMatome.cell(1, 2), "60000");
}

TEST_F(MonthSummaryTest, CashToSavingsIsSpendingThatKeepsTheMoney) {
    card(2000, 12, 3).spendList = {line("現金から貯金", 10000)};
    sumMonthOf(dayOf(2000, 12, 1));
    EXPECT_EQ(sumCell(1), 10000);
    EXPECT_EQ(sumCell(5), -10000);
    EXPECT_EQ(sumCell(9), 10000);
    EXPECT_EQ(sumCell(7), -10000);
    EXPECT_EQ(book.GridMonthMatome.cell(1, 1), "10000");
}

TEST_F(MonthSummaryTest, FirstRecordStartsFromZeroOrFromTheInitialValues) {
    card(2000, 12, 3).spendList = {line("食費", 1000)};
    book.GridShokiGenkin.setCell(1, 0, "50000");
    book.GridShokiChokin.setCell(1, 0, "7000");
    book.GridShokiKoza.setCell(1, 1, "100000");
    book.GridShokiKoza.setCell(2, 1, "20000");
    book.GridShokiKoza.setCell(1, 2, "3000");

    sumMonthOf(dayOf(2000, 12, 1));
    EXPECT_EQ(sumCell(5), -1000);
    EXPECT_EQ(sumCell(6), 0);
    EXPECT_EQ(sumCell(12), sumCell(7));

    book.chkBoxShokichiUse = true;
    btnSumMonthClick(book);
    EXPECT_EQ(sumCell(5), 49000);
    EXPECT_EQ(sumCell(6), 120000);
    EXPECT_EQ(sumCell(7), 169000);
    EXPECT_EQ(sumCell(9), 7000);
    EXPECT_EQ(sumCell(10), 3000);
    EXPECT_EQ(sumCell(12), 169000);  // 家計増減 of the first record is its 家計合計
}

TEST_F(MonthSummaryTest, OpeningBalancesComeFromTheEarlierRecordWhateverItsMonth) {
    book.chkBoxShokichiUse = true;  // not used: the record is not the first
    book.GridShokiGenkin.setCell(1, 0, "999999");
    MonthRecord& september = book.months.insert(dayOf(2000, 9, 1));
    september.cashTotal = 1000;
    september.accountTotal = 2000;
    september.householdTotal = 3000;
    september.savings = 400;
    september.unpaidCredit = 50;
    card(2000, 12, 3).spendList = {line("食費", 300)};

    sumMonthOf(dayOf(2000, 12, 1));
    EXPECT_EQ(sumCell(5), 700);
    EXPECT_EQ(sumCell(6), 2000);
    EXPECT_EQ(sumCell(7), 2700);
    EXPECT_EQ(sumCell(9), 400);
    EXPECT_EQ(sumCell(10), 50);
    EXPECT_EQ(sumCell(12), -300);
}

TEST_F(MonthSummaryTest, MonthWithoutCardsKeepsItsBudgetsAndCarriesTheBalances) {
    MonthRecord& earlier = book.months.insert(dayOf(2000, 9, 1));
    earlier.cashTotal = 1000;
    earlier.householdTotal = 1000;
    book.cards.init(dayOf(2001, 3, 1));  // every card after the month

    sumMonthOf(dayOf(2000, 12, 1));
    EXPECT_EQ(ui.texts(), std::vector<std::string>{"この月度のデータはありません"});
    EXPECT_EQ(book.GridMonthShishutu.cell(2, rowOf(book.GridMonthShishutu, "食費")), "30000");
    EXPECT_EQ(used("食費"), "");
    EXPECT_EQ(sumCell(5), 1000);  // unchanged, not dropped to zero
    EXPECT_EQ(sumCell(12), 0);
    EXPECT_EQ(book.months.cur().cashTotal, 1000);

    // Cards before and after, none inside: the same, without the message.
    card(2000, 8, 1).spendList = {line("食費", 10)};
    ui.clear();
    btnSumMonthClick(book);
    EXPECT_TRUE(ui.texts().empty());
    EXPECT_EQ(sumCell(1), 0);
    EXPECT_EQ(sumCell(5), 1000);
}

TEST_F(MonthSummaryTest, NavigationStoresAndStopsAtTheEnds) {
    sumMonthOf(dayOf(2000, 12, 1));
    book.GridMonthMatome.setCell(1, 1, "12345");  // an edit of the shown record
    btnGoPrevMonthClick(book);
    EXPECT_EQ(ui.texts().back(), "これが先頭のカードです");
    EXPECT_EQ(book.months.cur().summaryList.at(0).amount, 12345);

    btnGoNextMonthClick(book);
    EXPECT_EQ(ui.texts().back(), "これが最後のカードです");

    ui.pushYearMonth(2001, 13);
    btnGoAnyMonthClick(book);
    EXPECT_EQ(ui.texts().back(), "日付が正しく処理されませんでした");
    ui.pushYearMonth(YearMonthResult{false, 2001, 2});
    btnGoAnyMonthClick(book);
    EXPECT_EQ(book.months.size(), 1);

    ui.pushYearMonth(2000, 10);
    btnGoAnyMonthClick(book);
    EXPECT_EQ(book.months.size(), 2);
    EXPECT_EQ(book.pnlPageSum, "1 / 2");
    EXPECT_EQ(book.GridMonthShishutu.cell(0, 1), "");  // a new record shows empty

    btnGoNextMonthClick(book);
    EXPECT_EQ(book.pnlPageSum, "2 / 2");
    EXPECT_EQ(book.GridMonthMatome.cell(1, 1), "12345");

    // Delete: two questions, the earlier record becomes current.
    ui.pushMessageAnswers({MsgResult::Ok, MsgResult::Cancel});
    btnDeleteMonthClick(book);
    EXPECT_EQ(book.months.size(), 2);
    ui.pushMessageAnswers({MsgResult::Ok, MsgResult::Ok});
    btnDeleteMonthClick(book);
    EXPECT_EQ(book.months.size(), 1);
    EXPECT_EQ(book.pnlMonthSum, "10");
    btnDeleteMonthClick(book);
    EXPECT_EQ(ui.texts().back(), "最後の１枚は削除できません");
}

TEST_F(MonthSummaryTest, ARecordLongerThanTheSheetShowsWhole) {
    MonthRecord& big = book.months.cur();
    for (int i = 0; i < 80; ++i) big.spendList.push_back(TYosan{"項目" + std::to_string(i), double(i), 0});
    dispTheMonth(book, big.key);
    EXPECT_EQ(book.GridMonthShishutu.cell(0, 80), "項目79");
    storeTheMonth(book);
    EXPECT_EQ(book.months.cur().spendCount(), 80);
}

}  // namespace
}  // namespace kakeibo
