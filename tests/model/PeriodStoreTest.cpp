#include "model/PeriodStore.h"

#include <gtest/gtest.h>

namespace kakeibo {
namespace {

Sheet withHeader(const char* name, int cols, int rows) {
    Sheet sheet(name, cols, rows);
    for (int col = 0; col < cols; ++col) sheet.setCell(col, 0, "header");
    return sheet;
}

struct MonthSheets {
    Sheet shishutu = withHeader("GridMonthShishutu", 3, 50);
    Sheet shuNyu = withHeader("GridMonthShuNyu", 2, 50);
    Sheet matome = withHeader("GridMonthMatome", 2, 50);
    Sheet sum = withHeader("GridMonthSum", 13, 2);
};

TEST(PeriodStore, MonthRecordTakesTheNineAmountsAndSkipsTheSeparators) {
    MonthSheets s;
    for (int col = 0; col < 13; ++col) s.sum.setCell(col, 1, std::to_string(100 + col));
    s.shishutu.setCell(0, 1, "食費");
    s.shishutu.setCell(1, 1, "800");
    s.shishutu.setCell(2, 1, "30000");
    s.shishutu.setCell(0, 3, "雑費");
    s.shuNyu.setCell(0, 2, "給与");
    s.shuNyu.setCell(1, 2, "250000");
    s.matome.setCell(0, 1, "現金残");
    s.matome.setCell(1, 1, "bad");

    MonthRecord record;
    record.key = 36892;
    storeMonthRecord(record, s.shishutu, s.shuNyu, s.matome, s.sum);
    EXPECT_EQ(record.key, 36892);
    EXPECT_EQ(record.spendList, (std::vector<TYosan>{{"食費", 800, 30000}, {}, {"雑費", 0, 0}}));
    EXPECT_EQ(record.incomeList, (std::vector<TMatome>{{}, {"給与", 250000}}));
    EXPECT_EQ(record.summaryList, (std::vector<TMatome>{{"現金残", 0}}));
    EXPECT_EQ(record.totalSpend, 101);
    EXPECT_EQ(record.totalIncome, 102);
    EXPECT_EQ(record.balance, 103);
    EXPECT_EQ(record.cashTotal, 105);
    EXPECT_EQ(record.accountTotal, 106);
    EXPECT_EQ(record.householdTotal, 107);
    EXPECT_EQ(record.savings, 109);
    EXPECT_EQ(record.unpaidCredit, 110);
    EXPECT_EQ(record.householdChange, 112);
}

TEST(PeriodStore, MonthRecordShownAndStoredAgainIsUnchanged) {
    MonthRecord record;
    record.key = 36892;
    for (int i = 0; i < 60; ++i) record.spendList.push_back({"項目" + std::to_string(i), i * 10.0, 5000});
    record.incomeList = {{"給与", 250000}};
    record.summaryList = {{"現金残", -3.25}};
    record.totalSpend = 1;
    record.totalIncome = 2;
    record.balance = 3;
    record.cashTotal = 4;
    record.accountTotal = 5;
    record.householdTotal = 6;
    record.savings = 7;
    record.unpaidCredit = 8;
    record.householdChange = 9;

    MonthSheets s;
    // Rows of the month shown before.
    for (int r = 1; r < 50; ++r) s.shuNyu.setCell(0, r, "old");
    s.sum.setCell(4, 1, "sep");

    dispMonthRecord(record, s.shishutu, s.shuNyu, s.matome, s.sum);
    EXPECT_EQ(s.shishutu.rowCount(), 61);
    EXPECT_EQ(s.shuNyu.rowCount(), 50);
    EXPECT_EQ(s.shuNyu.cell(0, 2), "");
    EXPECT_EQ(s.sum.cell(12, 1), "9");
    EXPECT_EQ(s.sum.cell(10, 1), "8");
    EXPECT_EQ(s.sum.cell(0, 0), "header");

    MonthRecord stored;
    stored.key = record.key;
    storeMonthRecord(stored, s.shishutu, s.shuNyu, s.matome, s.sum);
    EXPECT_EQ(stored, record);
}

TEST(PeriodStore, SumTablesKeepBlankRowsAndEveryColumn) {
    Sheet year = withHeader("GridYearShishutsu", 15, 20);
    year.setCell(0, 1, "支 出 合 計");
    year.setCell(1, 1, "5000");
    year.setCell(14, 1, "5000");
    year.setCell(0, 4, "食費");  // a name and blank month cells

    int rows = -1;
    const std::vector<TSumTable> table = sheetToSumTable(year, rows);
    EXPECT_EQ(rows, 4);
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table[0].total, 5000);
    ASSERT_EQ(table[0].cellCount(), 13);
    EXPECT_EQ(table[0].cells[12].value, 5000);
    EXPECT_EQ(table[1].name, "");
    EXPECT_EQ(table[1].cellCount(), 13);
    EXPECT_EQ(table[3].name, "食費");
    EXPECT_EQ(table[3].cells, std::vector<SumCell>(13));

    // Data rows all blank: the table stays empty.
    int blankRows = -1;
    EXPECT_TRUE(sheetToSumTable(withHeader("GridYearShuNyu", 15, 20), blankRows).empty());
    EXPECT_EQ(blankRows, 0);

    const Sheet week = withHeader("GridWeekShishutsu", 10, 20);
    Sheet weekIncome = withHeader("GridWeekShuNyu", 10, 20);
    weekIncome.setCell(0, 2, "給与");
    PeriodCursor cursor;
    cursor.start = 36891;
    cursor.spendTable = table;
    storeCursor(cursor, week, weekIncome);
    EXPECT_EQ(cursor.start, 36891);
    EXPECT_TRUE(cursor.spendTable.empty());
    EXPECT_EQ(cursor.spendRows, 0);
    EXPECT_EQ(cursor.incomeRows, 2);
    ASSERT_EQ(cursor.incomeTable.size(), 2u);
    EXPECT_EQ(cursor.incomeTable[1].cellCount(), 8);
}

TEST(PeriodStore, TablesShownGrowTheSheetAndComeBackWhole) {
    std::vector<TSumTable> table;
    for (int i = 0; i < 25; ++i) {
        TSumTable row{"行" + std::to_string(i), i * 1.5, std::vector<SumCell>(8)};
        row.cells[7].value = i;
        table.push_back(row);
    }
    table[3].cells.resize(2);  // a row stored from a narrower sheet

    Sheet sheet = withHeader("GridWeekShishutsu", 10, 20);
    sheet.setCell(9, 22, "stale");  // left beyond the row count by an earlier week
    dispTable(table, sheet);
    EXPECT_EQ(sheet.rowCount(), 26);
    EXPECT_EQ(sheet.cell(9, 22), "21");
    EXPECT_EQ(sheet.cell(1, 3), "3");
    EXPECT_EQ(sheet.cell(1, 2), "1.5");

    int rows = 0;
    std::vector<TSumTable> stored = sheetToSumTable(sheet, rows);
    EXPECT_EQ(rows, 25);
    table[3].cells.resize(8);  // the sheet gives every row its full width
    EXPECT_EQ(stored, table);

    // Uncovered rows are emptied in every column, also those a short row leaves alone.
    Sheet narrow = withHeader("GridYearShuNyu", 15, 2);
    narrow.setCell(14, 2, "stale");
    dispTable({{"a", 1, {}}, {"b", 2, {}}}, narrow);
    EXPECT_EQ(narrow.cell(14, 2), "");
}

}  // namespace
}  // namespace kakeibo
