#include <gtest/gtest.h>

#include "BookFixture.h"
#include "book/SheetEditing.h"

namespace kakeibo {
namespace {

using namespace test;

TEST(SheetEditing, EnterWalksRightThenToTheNextRow) {
    BookFixture f;
    Sheet& s = f.book.GridShishutu;
    s.setCurrentCell(1, 3);
    EXPECT_EQ(moveToNextCell(s), (CellPos{2, 3}));
    EXPECT_EQ(moveToNextCell(s), (CellPos{0, 4}));
    s.setCurrentCell(2, s.rowCount() - 1);
    EXPECT_EQ(moveToNextCell(s), (CellPos{0, s.rowCount() - 1}));

    Sheet& sonota = f.book.GridSetSonota;  // has a fixed column
    sonota.setCurrentCell(1, 1);
    EXPECT_EQ(moveToNextCell(sonota), (CellPos{1, 2}));
}

TEST(SheetEditing, AmountKeyFilter) {
    EXPECT_TRUE(limitOnlyNumeric(U'7', "12", 2));
    EXPECT_TRUE(limitOnlyNumeric(U'.', "12", 2));
    EXPECT_FALSE(limitOnlyNumeric(U'.', "12.5", 4));
    EXPECT_FALSE(limitOnlyNumeric(U'a', "", 0));
    EXPECT_FALSE(limitOnlyNumeric(U'１', "", 0));
    EXPECT_TRUE(limitOnlyNumeric(kBackspaceKey, "-5", 1));
    EXPECT_TRUE(limitOnlyNumeric(U'-', "", 0));
    EXPECT_TRUE(limitOnlyNumeric(U'-', "50", 0));
    EXPECT_FALSE(limitOnlyNumeric(U'-', "50", 1));
    EXPECT_FALSE(limitOnlyNumeric(U'-', "-50", 0));
    EXPECT_FALSE(limitOnlyNumeric(U'-', "-50", 3));
    EXPECT_FALSE(limitOnlyNumeric(U'3', "-50", 0));  // in front of the minus
    EXPECT_TRUE(limitOnlyNumeric(U'3', "-50", 1));
}

TEST(SheetEditing, WhichCellsFilterKeysAndWhichSheetsHaveAList) {
    BookFixture f;
    EXPECT_TRUE(needsNumericFilter(f.book.GridShishutu, 1, 3));
    EXPECT_FALSE(needsNumericFilter(f.book.GridShishutu, 0, 3));
    EXPECT_TRUE(needsNumericFilter(f.book.GridSetKoza2, 4, 1));
    EXPECT_FALSE(needsNumericFilter(f.book.GridSetKoza2, 2, 1));  // the narrow debit day is free
    EXPECT_TRUE(needsNumericFilter(f.book.GridSetSonota, 1, 1));
    EXPECT_FALSE(needsNumericFilter(f.book.GridSetSonota, 1, 2));  // the user's name
    EXPECT_TRUE(needsNumericFilter(f.book.GridSetChokin, 0, 1));
    EXPECT_FALSE(needsNumericFilter(f.book.GridCredit, 4, 1));
    EXPECT_FALSE(needsNumericFilter(f.book.GridSetGenkinIn, 0, 1));
    EXPECT_TRUE(walksOnEnter("GridSetTax"));
    EXPECT_TRUE(walksOnEnter("GridSetSonota"));
    EXPECT_FALSE(walksOnEnter("GridCredit"));
    EXPECT_FALSE(walksOnEnter("GridSetGenkinIn"));

    EXPECT_EQ(categoryComboOf(f.book.GridKoza), CategoryCombo::Koza);
    EXPECT_EQ(categoryComboOf(f.book.GridShuNyu), CategoryCombo::ShuNyu);
    EXPECT_EQ(categoryComboOf(f.book.GridCredit), CategoryCombo::None);
}

TEST(SheetEditing, InsertGrowsAFullSheetAndDropsATrailingBlankRow) {
    BookFixture f;
    Sheet& s = f.book.GridShuNyu;
    const int rows = s.rowCount();
    for (int row = 1; row < rows; ++row) s.setCell(0, row, "r" + std::to_string(row));
    showPopDelAndInsert(s, 1, 2);
    popLineInsertClick(getActiveGrid(f.book, "GridShuNyu"));
    EXPECT_EQ(s.rowCount(), rows + 1);
    EXPECT_EQ(s.cell(0, 2), "");
    EXPECT_EQ(s.cell(0, 3), "r2");
    EXPECT_EQ(s.cell(0, rows), "r" + std::to_string(rows - 1));

    Sheet& k = f.book.GridKoza;
    const int kRows = k.rowCount();
    k.setCell(0, 1, "a");
    k.setCell(0, 2, "b");
    showPopDelAndInsert(k, 0, 1);
    insertGridLine(k);
    EXPECT_EQ(k.rowCount(), kRows);
    EXPECT_EQ(k.cell(0, 2), "a");
    EXPECT_EQ(k.cell(0, 3), "b");
}

TEST(SheetEditing, AccountSettingsLinesMoveWithinTheirColumnGroup) {
    BookFixture f;
    Sheet& s = f.book.GridSetKoza0;  // row 1: 家賃 80000 27 | Xカード 50000 "" | 給料
    const auto rect = showPopDelAndInsert3(s, 4, 1);
    ASSERT_TRUE(rect);
    EXPECT_EQ(rect->left, 3);
    EXPECT_EQ(rect->right, 5);
    insertGridLine(s);
    EXPECT_EQ(s.cell(3, 1), "");
    EXPECT_EQ(s.cell(3, 2), "Xカード");
    EXPECT_EQ(s.cell(4, 2), "50000");
    EXPECT_EQ(s.cell(0, 1), "家賃");
    EXPECT_EQ(s.cell(6, 1), "給料");

    EXPECT_EQ(showPopDelAndInsert3(s, 6, 1)->left, 6);
    EXPECT_EQ(showPopDelAndInsert3(s, 6, 1)->right, 6);
    EXPECT_FALSE(showPopDelAndInsert3(s, 6, 0));  // the header row opens no menu
}

TEST(SheetEditing, DeleteAsksAtTheClickAndKeepsTheRowCount) {
    BookFixture f;
    Sheet& s = f.book.GridShishutu;
    f.spend(1, "米", "3000", "食費");
    const int rows = s.rowCount();
    showPopDelAndInsert(s, 2, 1);
    f.ui.pushYesNo(false);
    EXPECT_FALSE(popLineDeleteClick(f.book, getActiveGrid(f.book, "GridShishutu"), 500, 400));
    ASSERT_EQ(f.ui.questions().size(), 1u);
    EXPECT_EQ(f.ui.questions()[0].text, "米 - 3000 - 食費   この行を削除していいですか？");
    EXPECT_EQ(f.ui.questions()[0].screenX, 480);
    EXPECT_EQ(f.ui.questions()[0].screenY, 380);
    EXPECT_EQ(s.cell(0, 1), "米");

    EXPECT_TRUE(popLineDeleteClick(f.book, &s, 500, 400));
    EXPECT_EQ(s.cell(0, 1), "");
    EXPECT_EQ(s.rowCount(), rows);
    EXPECT_EQ(s.cell(0, 0), "支　出");

    // A selection on the header never moves it.
    s.setCurrentCell(0, 0);
    insertGridLine(s);
    deleteGridLine(s);
    EXPECT_EQ(s.cell(0, 0), "支　出");
    EXPECT_EQ(s.cell(0, 1), "");
}

TEST(SheetEditing, LineCommandsActOnlyOnSheetsThatOfferThem) {
    BookFixture f;
    EXPECT_EQ(getActiveGrid(f.book, "GridSetKoza3"), &f.book.GridSetKoza3);
    EXPECT_EQ(getActiveGrid(f.book, "GridCredit"), &f.book.GridCredit);
    EXPECT_EQ(getActiveGrid(f.book, "GridYosan"), nullptr);  // read-only
    EXPECT_EQ(getActiveGrid(f.book, "Memo1"), nullptr);
    popLineInsertClick(nullptr);
    EXPECT_FALSE(popLineDeleteClick(f.book, nullptr, 0, 0));
    EXPECT_TRUE(f.ui.questions().empty());
}

TEST(SheetEditing, CategoryListOpensOnColumnTwoAndCommitsDownwards) {
    BookFixture f;
    Sheet& s = f.book.GridShishutu;
    gridSelectCellCommon(f.combo, CategoryCombo::Shishutu, 2, 4);
    EXPECT_EQ(f.combo.open, CategoryCombo::Shishutu);
    EXPECT_EQ(f.combo.row, 4);
    EXPECT_EQ(cmbInputCommon(s, f.combo, "食費"), (CellPos{0, 5}));
    EXPECT_EQ(s.cell(2, 4), "食費");
    EXPECT_EQ(f.combo.open, CategoryCombo::None);
    EXPECT_FALSE(cmbInputCommon(s, f.combo, "x"));

    const int last = s.rowCount() - 1;
    gridSelectCellCommon(f.combo, CategoryCombo::Shishutu, 2, last);
    EXPECT_EQ(cmbInputCommon(s, f.combo, "日用品"), (CellPos{0, last}));

    gridSelectCellCommon(f.combo, CategoryCombo::Koza, 2, 1);
    gridSelectCellCommon(f.combo, CategoryCombo::Koza, 1, 1);
    EXPECT_EQ(f.combo.open, CategoryCombo::None);

    gridSelectCellCommon(f.combo, CategoryCombo::ShuNyu, 2, 1);
    f.show(2026, 1, 1);  // showing a card closes the list
    EXPECT_EQ(f.combo.open, CategoryCombo::None);
}

}  // namespace
}  // namespace kakeibo
