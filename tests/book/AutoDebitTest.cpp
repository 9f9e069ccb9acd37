#include <gtest/gtest.h>

#include "BookFixture.h"
#include "book/AutoDebit.h"
#include "book/Stores.h"

namespace kakeibo {
namespace {

using namespace test;

// Account 1's "電気代" 8000 is debited on the 10th.
struct Debits : BookFixture {
    Debits() { book.chkBoxKozaAuto = true; }
    void startOn(int year, int month, int day) {
        book.clock().setToday(dayOf(year, month, day));
        dispTheDay(book, book.today());
        putKozaExpense(book);
    }
    int linesOf(const std::string& category) const {
        int n = 0;
        for (int row = 1; row < book.GridShishutu.rowCount(); ++row) n += book.GridShishutu.cell(2, row) == category;
        return n;
    }
};

TEST(AutoDebit, WrittenOnTheDebitDayBelowTheLastLineAndOnlyOnce) {
    Debits d;
    d.book.clock().setToday(dayOf(2026, 6, 10));  // a Wednesday
    d.show(2026, 6, 10);
    d.spend(1, "パン", "300", "食費");
    d.spend(3, "牛乳", "200", "食費");
    putKozaExpense(d.book);
    EXPECT_EQ(d.book.GridShishutu.cell(2, 4), "電気代");
    EXPECT_EQ(d.book.GridShishutu.cell(1, 4), "8000");
    EXPECT_EQ(d.book.GridShishutu.cell(0, 4), "");

    storeTheDay(d.book);  // the program ends; started again the same day
    d.startOn(2026, 6, 10);
    EXPECT_EQ(d.linesOf("電気代"), 1);

    d.book.GridShishutu.setCell(1, 4, "7500");  // the user changed the amount
    putKozaExpense(d.book);
    EXPECT_EQ(d.linesOf("電気代"), 2);
}

TEST(AutoDebit, WeekendDebitWaitsForMondayWhenShifted) {
    Debits d;
    d.book.chkBoxKozaShift = true;
    d.startOn(2026, 1, 10);  // Saturday
    d.startOn(2026, 1, 11);  // Sunday
    EXPECT_EQ(d.linesOf("電気代"), 0);
    d.startOn(2026, 1, 12);  // Monday
    EXPECT_EQ(d.linesOf("電気代"), 1);
    EXPECT_EQ(d.book.pnlDay, "2026/1/12");
}

TEST(AutoDebit, WeekendDebitIsWrittenOnTheDayWithoutTheShift) {
    Debits d;
    d.startOn(2026, 1, 10);
    EXPECT_EQ(d.linesOf("電気代"), 1);
}

TEST(AutoDebit, MondayTheFirstCatchesUpTheLastDaysOfThePreviousMonth) {
    Debits d;
    d.book.chkBoxKozaShift = true;
    Sheet& k0 = d.book.GridSetKoza0;
    k0.setCell(0, 2, "保険");
    k0.setCell(1, 2, "3000");
    k0.setCell(2, 2, "31");
    k0.setCell(0, 3, "水道");
    k0.setCell(1, 3, "2000");
    k0.setCell(2, 3, "30");
    k0.setCell(0, 4, "新聞");
    k0.setCell(1, 4, "4000");
    k0.setCell(2, 4, "1");
    d.startOn(2026, 6, 1);  // Monday; 31 May a Sunday, 30 May a Saturday
    EXPECT_EQ(d.book.GridShishutu.cell(2, 1), "新聞");
    EXPECT_EQ(d.book.GridShishutu.cell(2, 2), "保険");
    EXPECT_EQ(d.book.GridShishutu.cell(2, 3), "水道");

    // With 30 days in June, the 31st is never served there.
    EXPECT_EQ(debitDaysToServe(dayOf(2026, 7, 1), true), (std::vector<int>{1}));
    EXPECT_EQ(debitDaysToServe(dayOf(2026, 6, 1), false), (std::vector<int>{1}));
}

TEST(AutoDebit, DebitDaysMustBePlainDigits) {
    Debits d;
    d.book.GridSetKoza1.setCell(2, 1, "010");
    d.startOn(2026, 6, 10);
    d.book.GridSetKoza1.setCell(2, 1, " 10");
    putKozaExpense(d.book);
    EXPECT_EQ(d.linesOf("電気代"), 0);
}

TEST(AutoDebit, SkipsUnnamedAccountsAndRunsOnlyWhenOnAndOnToday) {
    Debits d;
    d.book.GridSetKoza2.setCell(0, 1, "謎の引落");
    d.book.GridSetKoza2.setCell(2, 1, "10");
    d.book.chkBoxKozaAuto = false;
    d.startOn(2026, 6, 10);
    EXPECT_EQ(d.linesOf("電気代"), 0);

    d.book.chkBoxKozaAuto = true;
    d.show(2026, 6, 9);  // another day's card is shown
    putKozaExpense(d.book);
    EXPECT_EQ(d.linesOf("電気代"), 0);

    d.show(2026, 6, 10);
    putKozaExpense(d.book);
    EXPECT_EQ(d.linesOf("電気代"), 1);
    EXPECT_EQ(d.linesOf("謎の引落"), 0);
}

TEST(AutoDebit, AFullSpendingSheetGrowsRatherThanDropTheDebit) {
    Debits d;
    d.book.clock().setToday(dayOf(2026, 6, 10));
    d.show(2026, 6, 10);
    const int rows = d.book.GridShishutu.rowCount();
    d.spend(rows - 1, "最後", "1", "食費");
    putKozaExpense(d.book);
    EXPECT_EQ(d.book.GridShishutu.rowCount(), rows + 1);
    EXPECT_EQ(d.book.GridShishutu.cell(2, rows), "電気代");
    storeTheDay(d.book);
    EXPECT_EQ(d.book.cards.cur().spendCount(), rows);
}

}  // namespace
}  // namespace kakeibo
