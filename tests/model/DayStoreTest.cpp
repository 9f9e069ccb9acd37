#include "model/DayStore.h"

#include <gtest/gtest.h>

namespace kakeibo {
namespace {

// A day sheet as the layout leaves it: headers in row 0.
Sheet daySheet(const char* name, int cols, int rows) {
    Sheet sheet(name, cols, rows);
    for (int col = 0; col < cols; ++col) sheet.setCell(col, 0, "header");
    return sheet;
}

TEST(DayStore, EntryLinesKeepBlankRowsByPositionAndReadBadAmountsAsZero) {
    Sheet sheet = daySheet("GridShishutu", 3, 30);
    sheet.setCell(0, 2, "昼食");
    sheet.setCell(1, 2, "abc");
    sheet.setCell(2, 2, "食費");
    sheet.setCell(0, 5, "本");  // an item with no amount
    sheet.setCell(2, 5, "雑費");
    sheet.setCell(1, 4, "-230.5");

    const std::vector<TKiroku> lines = sheetToKiroku(sheet);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], TKiroku{});
    EXPECT_EQ(lines[1], (TKiroku{"昼食", "食費", 0}));
    EXPECT_EQ(lines[2], TKiroku{});
    EXPECT_EQ(lines[3], (TKiroku{"", "", -230.5}));
    EXPECT_EQ(lines[4], (TKiroku{"本", "雑費", 0}));

    // Only text in row 5: five lines, the first four empty.
    Sheet lone = daySheet("GridShuNyu", 3, 20);
    lone.setCell(1, 5, "1500");
    const std::vector<TKiroku> loneLines = sheetToKiroku(lone);
    ASSERT_EQ(loneLines.size(), 5u);
    EXPECT_EQ(loneLines[4].amount, 1500);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(loneLines[static_cast<std::size_t>(i)], TKiroku{});
}

TEST(DayStore, SheetsWithoutDataLinesStoreEmptyLists) {
    EXPECT_TRUE(sheetToKiroku(daySheet("GridKoza", 3, 20)).empty());
    // Not even a header: no invented blank lines either.
    EXPECT_TRUE(sheetToKiroku(Sheet("GridKoza", 3, 20)).empty());
    EXPECT_TRUE(sheetToYosan(Sheet("GridYosan", 3, 30)).empty());
    EXPECT_TRUE(sheetToMatome(Sheet("GridMatome", 2, 0)).empty());
    // A cell of spaces is text.
    Sheet spaces = daySheet("GridKoza", 3, 20);
    spaces.setCell(0, 3, "  ");
    EXPECT_EQ(sheetToKiroku(spaces).size(), 3u);
}

TEST(DayStore, BudgetAndSummaryRowsTakeTheirColumns) {
    Sheet yosan = daySheet("GridYosan", 3, 30);
    yosan.setCell(0, 1, "食費");
    yosan.setCell(1, 1, "800");
    yosan.setCell(2, 1, "29200");
    EXPECT_EQ(sheetToYosan(yosan), (std::vector<TYosan>{{"食費", 800, 29200}}));

    // The summary labels reach down further than the values.
    Sheet matome = daySheet("GridMatome", 2, 20);
    matome.setCell(0, 1, "現金残");
    matome.setCell(1, 1, "12000");
    matome.setCell(0, 3, "貯金");
    EXPECT_EQ(sheetToMatome(matome), (std::vector<TMatome>{{"現金残", 12000}, {"", 0}, {"貯金", 0}}));
}

TEST(DayStore, ShowingWritesStoredFormsRowByRow) {
    Sheet sheet = daySheet("GridShishutu", 3, 30);
    dispKiroku({{"昼食", "食費", 1500}, {}, {"返金", "雑費", -230.5}}, sheet);
    EXPECT_EQ(sheet.cell(0, 1), "昼食");
    EXPECT_EQ(sheet.cell(1, 1), "1500");
    EXPECT_EQ(sheet.cell(2, 1), "食費");
    EXPECT_EQ(sheet.cell(1, 2), "0");
    EXPECT_EQ(sheet.cell(1, 3), "-230.5");
    EXPECT_EQ(sheet.cell(0, 0), "header");
    EXPECT_EQ(sheet.rowCount(), 30);

    Sheet yosan = daySheet("GridYosan", 3, 30);
    dispYosan({{"食費", 800, 1e15}}, yosan);
    EXPECT_EQ(yosan.cell(2, 1), "1E15");
}

TEST(DayStore, ALongCardGrowsTheSheetAndComesBackWhole) {
    TIndex card;
    card.date = 36526;
    for (int i = 1; i <= 25; ++i) card.spendList.push_back({"item" + std::to_string(i), "食費", i * 100.0});
    card.summaryList = {{"現金残", 1}, {"口座残", 2}, {"貯金", 3}};

    Sheet shishutu = daySheet("GridShishutu", 3, 10);  // the row setting was lowered to 9 lines
    // Text left beyond the row count by an earlier, longer card must not come back.
    shishutu.setCell(0, 20, "stale");
    Sheet shuNyu = daySheet("GridShuNyu", 3, 20);
    Sheet koza = daySheet("GridKoza", 3, 20);
    Sheet yosan = daySheet("GridYosan", 3, 30);
    Sheet matome = daySheet("GridMatome", 2, 3);

    dispKiroku(card.spendList, shishutu);
    dispKiroku(card.incomeList, shuNyu);
    dispKiroku(card.accountList, koza);
    dispYosan(card.budgetList, yosan);
    dispMatome(card.summaryList, matome);
    EXPECT_EQ(shishutu.rowCount(), 26);
    EXPECT_EQ(matome.rowCount(), 4);
    EXPECT_EQ(shishutu.cell(0, 20), "item20");

    TIndex stored;
    stored.date = card.date;
    storeCard(stored, shishutu, shuNyu, koza, yosan, matome, memoToEditorText(card.memo));
    EXPECT_EQ(stored, card);

    // A short card on the same sheet keeps the grown count.
    dispKiroku({{"a", "b", 1}}, shishutu);
    EXPECT_EQ(shishutu.rowCount(), 26);
}

TEST(DayStore, MemoLinesEndInCrLf) {
    EXPECT_EQ(memoFromEditorText(""), "");
    EXPECT_EQ(memoFromEditorText("買い物\n病院"), "買い物\r\n病院\r\n");
    EXPECT_EQ(memoFromEditorText("買い物\n病院\n"), "買い物\r\n病院\r\n");  // a final break adds no line
    EXPECT_EQ(memoFromEditorText("a\r\nb\r\n"), "a\r\nb\r\n");
    EXPECT_EQ(memoFromEditorText("a\rb"), "a\r\nb\r\n");
    EXPECT_EQ(memoFromEditorText("a\n\nb"), "a\r\n\r\nb\r\n");
    EXPECT_EQ(memoFromEditorText("\n"), "\r\n");

    EXPECT_EQ(memoToEditorText(""), "");
    EXPECT_EQ(memoToEditorText("買い物\r\n病院\r\n"), "買い物\n病院");
    EXPECT_EQ(memoToEditorText("a\r\nb"), "a\nb");  // a memo without its final break
}

TEST(DayStore, AMemoShownAndStoredAgainIsUnchanged) {
    for (const char* memo :
         {"", "a\r\n", "a\r\n\r\n", "\r\n", "\r\n\r\n", "a\r\n\r\nb\r\n", "\r\na\r\n", "a\r\n\r\n\r\n"}) {
        SCOPED_TRACE(memo);
        EXPECT_EQ(memoFromEditorText(memoToEditorText(memo)), memo);
    }
}

TEST(DayStore, StoringACardReplacesEverythingButItsDate) {
    TIndex card;
    card.date = 40000;
    card.spendList = {{"old", "old", 1}};
    card.memo = "old\r\n";
    const Sheet empty = daySheet("GridShishutu", 3, 30);
    Sheet matome = daySheet("GridMatome", 2, 20);
    matome.setCell(0, 1, "現金残");
    storeCard(card, empty, empty, empty, empty, matome, "");
    EXPECT_EQ(card.date, 40000);
    EXPECT_TRUE(card.spendList.empty());
    EXPECT_EQ(card.summaryList, (std::vector<TMatome>{{"現金残", 0}}));
    EXPECT_EQ(card.memo, "");
}

}  // namespace
}  // namespace kakeibo
