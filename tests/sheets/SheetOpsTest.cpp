#include "sheets/SheetOps.h"

#include <gtest/gtest.h>

namespace kakeibo {
namespace {

TEST(LastUsedRow, FindsTheLowestRowWithAnyText) {
    Sheet sheet("GridShishutu", 3, 31);
    EXPECT_EQ(lastUsedRow(sheet), 30);  // no text at all: every row counts

    sheet.setCell(0, 0, "支　出");
    EXPECT_EQ(lastUsedRow(sheet), 0);  // header only: no data lines

    sheet.setCell(2, 2, "食費");
    sheet.setCell(1, 5, "300");
    EXPECT_EQ(lastUsedRow(sheet), 5);

    sheet.setCell(2, 7, " ");  // blanks are text
    EXPECT_EQ(lastUsedRow(sheet), 7);
    sheet.setCell(2, 7, "");
    EXPECT_EQ(lastUsedRow(sheet), 5);
}

TEST(LastUsedRow, LooksOnlyWithinTheCounts) {
    Sheet sheet("GridSetKoza0", 7, 20);
    sheet.setCell(0, 0, "口座振替科目");
    sheet.setCell(6, 15, "給与");
    EXPECT_EQ(lastUsedRow(sheet), 15);
    sheet.setRowCount(9);  // the lines beyond are kept, but are not data lines now
    EXPECT_EQ(lastUsedRow(sheet), 0);
    Sheet empty("GridNone", 3, 0);
    EXPECT_EQ(lastUsedRow(empty), -1);
}

TEST(ClearGridCols, EmptiesTheGivenColumnsBelowTheHeader) {
    Sheet sheet("GridMatome", 2, 20);
    sheet.setCell(0, 0, "ま　と　め");
    sheet.setCell(1, 0, "金 額");
    for (int row = 1; row < 20; ++row) {
        sheet.setCell(0, row, "label");
        sheet.setCell(1, row, "10");
    }
    clearGridCols(sheet, 1, 1);
    EXPECT_EQ(sheet.cell(1, 0), "金 額");
    EXPECT_EQ(sheet.cell(0, 19), "label");
    for (int row = 1; row < 20; ++row) EXPECT_EQ(sheet.cell(1, row), "") << row;

    clearGridCols(sheet, 1, 0);  // reversed range: nothing
    EXPECT_EQ(sheet.cell(0, 1), "label");
    clearGridCols(sheet, 0, 1);
    EXPECT_EQ(sheet.cell(0, 1), "");
    EXPECT_EQ(sheet.cell(0, 0), "ま　と　め");
}

TEST(CountPlusCells, CountsOnlyAmountsAboveZero) {
    Sheet sheet("GridWeekShishutsu", 10, 20);
    sheet.setCell(3, 4, "-5");
    sheet.setCell(4, 4, "0");
    sheet.setCell(6, 4, "3");
    EXPECT_EQ(countPlusCells(sheet, 3, 4), 1);
    sheet.setCell(7, 4, "1,000");  // unreadable: 0
    sheet.setCell(8, 4, "abc");
    sheet.setCell(9, 4, "0.01");
    sheet.setCell(2, 4, "700");   // before the first column
    EXPECT_EQ(countPlusCells(sheet, 3, 4), 2);
    EXPECT_EQ(countPlusCells(sheet, 2, 4), 3);
    EXPECT_EQ(countPlusCells(sheet, 3, 5), 0);
}

TEST(CalcGridWidth, CountsEachColumnWithItsGridLineAndTheBorder) {
    EXPECT_EQ(calcGridWidth(1, 1, 0), 210);
    EXPECT_EQ(calcGridWidth(1, 0, 1), 280);
    EXPECT_EQ(calcGridWidth(0, 0, 0), 6);
    EXPECT_EQ(calcGridWidth(4, 0, 1), 499);
}

}  // namespace
}  // namespace kakeibo
