#include "book/SheetLayouts.h"

#include <map>
#include <set>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "sheets/SheetOps.h"
#include "support/ScriptedUi.h"

namespace kakeibo {
namespace {

class SheetLayoutsTest : public ::testing::Test {
protected:
    ScriptedUi ui;
    Book book{ui};
};

std::set<int> range(int first, int last) {
    std::set<int> cols;
    for (int c = first; c <= last; ++c) cols.insert(c);
    return cols;
}

TEST_F(SheetLayoutsTest, AmountColumnsAreExactlyThe72WideOnes) {
    const std::map<std::string, std::set<int>> amountCols = {
        {"GridShishutu", {1}},           {"GridShuNyu", {1}},
        {"GridKoza", {1}},               {"GridYosan", {1, 2}},
        {"GridMatome", {1}},             {"GridWeekShishutsu", range(1, 9)},
        {"GridWeekShuNyu", range(1, 9)}, {"GridMonthSum", {1, 2, 3, 5, 6, 7, 9, 10, 12}},
        {"GridMonthShishutu", {1, 2}},   {"GridMonthShuNyu", {1}},
        {"GridMonthMatome", {1}},        {"GridMonthKoza", {}},
        {"GridYearShishutsu", range(1, 14)}, {"GridYearShuNyu", range(1, 14)},
        {"GridSetGenkinOut", {1}},       {"GridSetGenkinIn", {}},
        {"GridSetChokin", {}},           {"GridSetKoza0", {1, 4}},
        {"GridSetKoza1", {1, 4}},        {"GridSetKoza2", {1, 4}},
        {"GridSetKoza3", {1, 4}},        {"GridShokiGenkin", {1}},
        {"GridShokiChokin", {1}},        {"GridShokiKoza", range(1, 4)},
        {"GridSetSonota", {}},           {"GridSetRowNum", {1}},
        {"GridSetTax", {1}},             {"GridCredit", {4}},
    };
    setupAllGrids(book);
    ASSERT_EQ(book.allSheets().size(), amountCols.size());
    for (Sheet* sheet : book.allSheets()) {
        const auto& expected = amountCols.at(sheet->name());
        std::set<int> actual;
        for (int col = 0; col < sheet->colCount(); ++col) {
            if (isAmountColumn(*sheet, col)) actual.insert(col);
        }
        EXPECT_EQ(actual, expected) << sheet->name();
    }
}

TEST_F(SheetLayoutsTest, SheetsGetTheirFramesAndWidths) {
    setupAllGrids(book);
    struct Expect {
        const Sheet* sheet;
        int cols, rows, fixedCols, fixedRows;
        bool editable, tabMoves;
    };
    const Expect expects[] = {
        {&book.GridShishutu, 3, 30, 0, 1, true, true},     {&book.GridShuNyu, 3, 20, 0, 1, true, true},
        {&book.GridKoza, 3, 20, 0, 1, true, true},         {&book.GridYosan, 3, 30, 0, 1, false, false},
        {&book.GridMatome, 2, 20, 0, 1, false, false},     {&book.GridWeekShishutsu, 10, 20, 3, 2, false, false},
        {&book.GridYearShuNyu, 15, 20, 3, 2, false, false}, {&book.GridMonthSum, 13, 2, 0, 1, false, false},
        {&book.GridMonthShishutu, 3, 50, 0, 1, false, false}, {&book.GridMonthKoza, 3, 9, 0, 1, false, false},
        {&book.GridSetGenkinOut, 2, 35, 0, 1, true, true}, {&book.GridSetChokin, 1, 2, 0, 1, true, false},
        {&book.GridSetKoza2, 7, 20, 0, 1, true, true},     {&book.GridShokiGenkin, 2, 1, 1, 0, true, true},
        {&book.GridShokiKoza, 5, 3, 1, 1, true, true},     {&book.GridSetSonota, 2, 3, 1, 1, true, true},
        {&book.GridCredit, 9, 10, 0, 1, true, false},
    };
    for (const Expect& e : expects) {
        SCOPED_TRACE(e.sheet->name());
        EXPECT_EQ(e.sheet->colCount(), e.cols);
        EXPECT_EQ(e.sheet->rowCount(), e.rows);
        EXPECT_EQ(e.sheet->fixedCols(), e.fixedCols);
        EXPECT_EQ(e.sheet->fixedRows(), e.fixedRows);
        EXPECT_EQ(e.sheet->editable(), e.editable);
        EXPECT_EQ(e.sheet->tabMoves(), e.tabMoves);
    }
    EXPECT_EQ(book.GridMatome.colWidth(0), 212);
    EXPECT_EQ(book.GridYosan.colWidth(0), 139);
    EXPECT_EQ(book.GridMonthSum.colWidth(0), 1);
    EXPECT_EQ(book.GridMonthSum.colWidth(11), 1);
    EXPECT_EQ(book.GridSetKoza0.colWidth(2), 20);
    EXPECT_EQ(book.GridSetKoza0.colWidth(6), 127);
    EXPECT_EQ(book.GridCredit.colWidth(0), 56);
    EXPECT_EQ(book.GridCredit.colWidth(8), 28);
}

TEST_F(SheetLayoutsTest, SettingsSheetWidthsFollowTheWidthRule) {
    setupAllGrids(book);
    // On-screen widths of the settings sheets, including the 18 of a scroll bar where they have one.
    const std::map<const Sheet*, int> screenWidth = {
        {&book.GridSetGenkinOut, 228 - 18}, {&book.GridSetGenkinIn, 155 - 18}, {&book.GridSetChokin, 137},
        {&book.GridShokiGenkin, 280},       {&book.GridShokiChokin, 280},      {&book.GridShokiKoza, 517 - 18},
        {&book.GridSetSonota, 338},         {&book.GridSetRowNum, 280},        {&book.GridSetTax, 280},
    };
    for (const auto& [sheet, width] : screenWidth) {
        int a = 0, b = 0, c = 0;
        for (int col = 0; col < sheet->colCount(); ++col) {
            const int w = sheet->colWidth(col);
            a += w == 72;
            b += w == 130;
            c += w == 200;
            EXPECT_TRUE(w == 72 || w == 130 || w == 200) << sheet->name() << " col " << col;
        }
        EXPECT_EQ(calcGridWidth(a, b, c), width) << sheet->name();
    }
}

TEST_F(SheetLayoutsTest, HeadersAndLabelsAreWrittenExactly) {
    setupAllGrids(book);
    EXPECT_EQ(book.GridShishutu.cell(0, 0), "支\u3000出");
    EXPECT_EQ(book.GridKoza.cell(0, 0), "口座管理");
    EXPECT_EQ(book.GridShuNyu.cell(1, 0), "金\u3000額");
    EXPECT_EQ(book.GridMatome.cell(1, 0), "金 額");
    EXPECT_EQ(book.GridWeekShishutsu.cell(0, 0), "支\u3000\u3000\u3000出");
    EXPECT_EQ(book.GridWeekShuNyu.cell(1, 0), "収入合計");
    EXPECT_EQ(book.GridWeekShuNyu.cell(3, 0), "");  // dates come with the first week shown
    EXPECT_EQ(book.GridSetGenkinOut.cell(1, 0), " 予 算");
    EXPECT_EQ(book.GridSetKoza3.cell(4, 0), "予 算");
    EXPECT_EQ(book.GridSetSonota.cell(1, 0), "設 定 内 容 ");
    EXPECT_EQ(book.GridSetTax.cell(0, 1), "消費税率（ % : 電卓用）");
    EXPECT_EQ(book.GridSetRowNum.cell(0, 4), "口座設定記入欄の行数");
    EXPECT_EQ(book.GridShokiKoza.cell(0, 2), "ｸﾚｼﾞｯﾄ 未払い残高");
    EXPECT_EQ(book.GridShokiKoza.cell(4, 0), "第４口座");
    EXPECT_EQ(book.GridShokiChokin.cell(0, 0), "貯金の初期値");
    EXPECT_EQ(book.GridMonthSum.cell(10, 0), "未払ｸﾚｼﾞｯﾄ");
    EXPECT_EQ(book.GridMonthSum.cell(12, 0), "家計増減");
    EXPECT_EQ(book.GridCredit.cell(6, 0), "ステータス");
    EXPECT_EQ(book.GridMatome.cell(0, 1), "今日の現金支出合計");
    EXPECT_EQ(book.GridMatome.cell(0, 10), "今月度の支出合計");
    EXPECT_EQ(book.GridMonthKoza.cell(0, 0), "");
}

TEST_F(SheetLayoutsTest, YearSheetsNameTheTwelveMonths) {
    setupAllGrids(book);
    for (const Sheet* sheet : {&book.GridYearShishutsu, &book.GridYearShuNyu}) {
        EXPECT_EQ(sheet->cell(3, 0), "1 月 ");
        EXPECT_EQ(sheet->cell(11, 0), "9 月 ");
        EXPECT_EQ(sheet->cell(14, 0), "12 月 ");
        EXPECT_EQ(sheet->cell(2, 0), "平\u3000均");
    }
    EXPECT_EQ(book.GridYearShuNyu.cell(0, 0), "収\u3000\u3000\u3000入");
}

TEST_F(SheetLayoutsTest, LayoutKeepsTheSettingsReadFromTheFile) {
    // The preferences file is read before the layout runs.
    book.GridShokiGenkin.setCell(1, 0, "5000");
    book.GridShokiKoza.setCell(2, 1, "120000");
    book.GridSetChokin.setCell(0, 1, "10000");
    book.GridSetSonota.setCell(1, 2, "花子");
    book.GridSetKoza1.setCell(0, 15, "家賃");
    setupAllGrids(book);
    EXPECT_EQ(book.GridShokiGenkin.cell(1, 0), "5000");
    EXPECT_EQ(book.GridShokiGenkin.cell(0, 0), "現金の初期値");
    EXPECT_EQ(book.GridShokiKoza.cell(2, 1), "120000");
    EXPECT_EQ(book.GridSetChokin.cell(0, 1), "10000");
    EXPECT_EQ(book.GridSetSonota.cell(1, 2), "花子");
    EXPECT_EQ(book.GridSetKoza1.cell(0, 15), "家賃");
}

TEST_F(SheetLayoutsTest, DaySummaryKeepsAccountRowsInPlace) {
    book.EditBank = {"", "郵便局", "", "ＵＦＪ"};
    setupAllGrids(book);
    const Sheet& m = book.GridMatome;
    EXPECT_EQ(m.cell(0, 12), "");
    EXPECT_EQ(m.cell(0, 13), "");
    EXPECT_EQ(m.cell(0, 14), "郵便局\u3000残高");
    EXPECT_EQ(m.cell(0, 15), "郵便局\u3000ｸﾚｼﾞｯﾄ残");
    EXPECT_EQ(m.cell(0, 16), "");
    EXPECT_EQ(m.cell(0, 17), "");
    EXPECT_EQ(m.cell(0, 18), "ＵＦＪ\u3000残高");
    EXPECT_EQ(m.cell(0, 19), "ＵＦＪ\u3000ｸﾚｼﾞｯﾄ残");

    // Renaming and clearing names takes effect on the next run; values stay.
    book.GridMatome.setCell(1, 14, "3000");
    book.EditBank = {"三井", "", "", "ＵＦＪ銀行"};
    setupMatomeGrid(book);
    EXPECT_EQ(m.cell(0, 12), "三井\u3000残高");
    EXPECT_EQ(m.cell(0, 13), "三井\u3000ｸﾚｼﾞｯﾄ残");
    EXPECT_EQ(m.cell(0, 14), "");
    EXPECT_EQ(m.cell(0, 15), "");
    EXPECT_EQ(m.cell(0, 18), "ＵＦＪ銀行\u3000残高");
    EXPECT_EQ(m.cell(1, 14), "3000");
    EXPECT_EQ(m.cell(0, 11), "");
    EXPECT_EQ(m.cell(0, 4), "現金残高");

    book.EditBank = {"", "", "", ""};
    setupMatomeGrid(book);
    for (int row = 11; row <= 19; ++row) EXPECT_EQ(m.cell(0, row), "") << row;
}

TEST_F(SheetLayoutsTest, MonthSummaryPacksTheNamedAccounts) {
    book.EditBank = {"", "郵便局", "", "ＵＦＪ"};
    setupAllGrids(book);
    setMonthMatomeLabels(book);
    const Sheet& m = book.GridMonthMatome;
    EXPECT_EQ(m.cell(0, 1), "今月の現金支出合計");
    EXPECT_EQ(m.cell(0, 2), "今月の口座支出合計");
    EXPECT_EQ(m.cell(0, 3), "");
    EXPECT_EQ(m.cell(0, 4), "郵便局\u3000支出合計");
    EXPECT_EQ(m.cell(0, 5), "郵便局\u3000収入合計");
    EXPECT_EQ(m.cell(0, 6), "");
    EXPECT_EQ(m.cell(0, 7), "ＵＦＪ\u3000支出合計");
    EXPECT_EQ(m.cell(0, 8), "ＵＦＪ\u3000収入合計");
    EXPECT_EQ(lastUsedRow(m), 8);
}

TEST_F(SheetLayoutsTest, WeekHeadersShowSundayToSaturday) {
    setupAllGrids(book);
    const char* const expected[] = {"12/31（日）", "1/1（月）", "1/2（火）", "1/3（水）",
                                    "1/4（木）",   "1/5（金）", "1/6（土）"};
    for (const auto& [y, mo, d] : {std::tuple{2000, 12, 31}, std::tuple{2001, 1, 3}, std::tuple{2001, 1, 6}}) {
        setWeekDayHeaders(book, *makeDate(y, mo, d));
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(book.GridWeekShishutsu.cell(3 + i, 0), expected[i]) << y << mo << d;
            EXPECT_EQ(book.GridWeekShuNyu.cell(3 + i, 0), expected[i]);
        }
    }
    setWeekDayHeaders(book, *makeDate(2001, 1, 7));
    EXPECT_EQ(book.GridWeekShishutsu.cell(3, 0), "1/7（日）");
    EXPECT_EQ(book.GridWeekShuNyu.cell(9, 0), "1/13（土）");
    EXPECT_EQ(book.GridWeekShuNyu.cell(2, 0), "平\u3000均");
}

}  // namespace
}  // namespace kakeibo
