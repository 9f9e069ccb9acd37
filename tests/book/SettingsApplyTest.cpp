#include <gtest/gtest.h>

#include "book/SettingsApply.h"
#include "book/SheetLayouts.h"
#include "BookFixture.h"

namespace kakeibo {
namespace {

using test::BookFixture;
using Items = std::vector<std::string>;

struct BareBook {
    ScriptedUi ui;
    Book book{ui};
    BareBook() { setupAllGrids(book); }
};

TEST(SettingsApply, WithNoAccountNamedTheListsHoldCashAndSavingsOnly) {
    BareBook b;
    b.book.GridSetGenkinOut.setCell(0, 1, "食費");
    b.book.GridSetGenkinOut.setCell(0, 2, "日用品");
    b.book.GridSetGenkinIn.setCell(0, 1, "お小遣い");
    b.book.GridSetKoza0.setCell(0, 1, "家賃");  // account 0 has no name
    settingAll(b.book);

    EXPECT_EQ(b.book.cmbShishutu, (Items{"食費", "日用品", "", "現金から貯金", ""}));
    EXPECT_EQ(b.book.cmbShuNyu, (Items{"お小遣い", "", "貯金とりくずし"}));
    EXPECT_TRUE(b.book.cmbKoza.empty());

    b.book.GridSetGenkinIn.setCell(0, 1, "");
    setupCombo(b.book);
    EXPECT_EQ(b.book.cmbShuNyu, (Items{"貯金とりくずし"}));
}

TEST(SettingsApply, BlankCashRowsGiveBlankItemsButBlankDebitRowsGiveNothing) {
    BareBook b;
    b.book.GridSetGenkinOut.setCell(0, 1, "食費");
    b.book.GridSetGenkinOut.setCell(0, 3, "日用品");
    b.book.EditBank[0] = "A銀行";
    b.book.GridSetKoza0.setCell(0, 1, "家賃");
    b.book.GridSetKoza0.setCell(0, 4, "保険");
    setupCombo(b.book);
    EXPECT_EQ(b.book.cmbShishutu, (Items{"食費", "", "日用品", "", "現金から貯金", "", "家賃", "保険", ""}));
}

TEST(SettingsApply, OnlySecondAccountNamedGivesItsThreeLabels) {
    BareBook b;
    b.book.EditBank[1] = "B銀行";
    b.book.GridSetKoza0.setCell(6, 1, "配当");  // unnamed account: left out
    b.book.GridSetKoza1.setCell(6, 1, "給料");
    setupCombo(b.book);
    EXPECT_EQ(b.book.cmbKoza, (Items{"B銀行 ＿ 引出", "B銀行 ＿ 入金", "B銀行 ＿ 貯金", ""}));
    EXPECT_EQ(b.book.cmbShuNyu, (Items{"給料", "", "貯金とりくずし"}));
}

TEST(SettingsApply, CardCategoriesAppearTwiceInModeZeroAndSettledOnlyInModeOne) {
    BookFixture f;
    const Items mode0{"食費", "日用品", "交際費", "", "現金から貯金", "", "家賃", "", "電気代", "",
                      "Xカード", "", "Yカード", "", "決済 ＿ Xカード", "", "決済 ＿ Yカード", ""};
    EXPECT_EQ(makeShishutuList(f.book, 0), mode0);
    EXPECT_EQ(f.book.cmbShishutu, mode0);

    const Items mode1{"", "食費", "日用品", "交際費", "", "現金から貯金", "", "家賃", "", "電気代", "",
                      "みらい銀行 ＿ 貯金", "ひかり銀行 ＿ 貯金", "", "決済 ＿ Xカード", "",
                      "決済 ＿ Yカード", ""};
    EXPECT_EQ(makeShishutuList(f.book, 1), mode1);

    const Items mode2{"食費", "日用品", "交際費", "", "現金から貯金", "", "家賃", "", "電気代", "",
                      "みらい銀行 ＿ 貯金", "ひかり銀行 ＿ 貯金", "", "Xカード", "", "Yカード", "",
                      "決済 ＿ Xカード", "", "決済 ＿ Yカード", ""};
    EXPECT_EQ(makeShishutuList(f.book, 2), mode2);
}

TEST(SettingsApply, SummaryRowWriters) {
    BookFixture f;
    Sheet& month = f.book.GridMonthShuNyu;
    setShuNyuToMonthGrid(f.book, month);
    // お小遣い 雑収入 "" 給料 "" 利息 "" 貯金とりくずし, and one empty row more
    ASSERT_EQ(f.book.cmbShuNyu.size(), 8u);
    EXPECT_EQ(month.rowCount(), 10);
    EXPECT_EQ(month.cell(0, 1), "お小遣い");
    EXPECT_EQ(month.cell(0, 8), "貯金とりくずし");

    Sheet& week = f.book.GridWeekShuNyu;
    setShuNyuToWYGrid(f.book, week);
    EXPECT_EQ(week.rowCount(), 9);
    EXPECT_EQ(week.cell(0, 2), "お小遣い");
    EXPECT_EQ(week.cell(0, 8), "");  // "貯金とりくずし" is left out

    setKozaLabelToGrid(f.book, f.book.GridMonthKoza);
    EXPECT_EQ(f.book.GridMonthKoza.cell(2, 1), "みらい銀行 ＿ 引出");
    EXPECT_EQ(f.book.GridMonthKoza.cell(2, 4), "ひかり銀行 ＿ 入金");
    EXPECT_EQ(f.book.GridMonthKoza.cell(2, 5), " ＿ 引出");  // unnamed accounts too

    setKamokuToGrid(f.book, f.book.GridYosan, 0);
    EXPECT_EQ(f.book.GridYosan.rowCount(), 19);
    EXPECT_EQ(f.book.GridYosan.cell(0, 15), "決済 ＿ Xカード");
}

TEST(SettingsApply, LineCountsFallBackToDefaultsUnlessWholeNumbersAboveZero) {
    BookFixture f;
    Sheet& counts = f.book.GridSetRowNum;
    counts.setCell(1, 1, "10");
    counts.setCell(1, 2, "5");
    counts.setCell(1, 3, "3");
    counts.setCell(1, 4, "12");
    settingAll(f.book);
    EXPECT_EQ(f.book.GridShishutu.rowCount(), 11);
    EXPECT_EQ(f.book.GridShuNyu.rowCount(), 6);
    EXPECT_EQ(f.book.GridKoza.rowCount(), 4);
    EXPECT_EQ(f.book.GridSetKoza3.rowCount(), 13);

    for (const char* bad : {"", "0", "2.5", "-3", "abc", "1,000", "100000"}) {
        counts.setCell(1, 1, bad);
        counts.setCell(1, 2, bad);
        counts.setCell(1, 3, bad);
        counts.setCell(1, 4, bad);
        settingAll(f.book);
        EXPECT_EQ(f.book.GridShishutu.rowCount(), 31) << bad;
        EXPECT_EQ(f.book.GridShuNyu.rowCount(), 21) << bad;
        EXPECT_EQ(f.book.GridKoza.rowCount(), 16) << bad;
        EXPECT_EQ(f.book.GridSetKoza0.rowCount(), 9) << bad;
    }
}

TEST(SettingsApply, LoweringTheLineCountKeepsLinesAlreadyWritten) {
    BookFixture f;
    f.spend(20, "本", "1500", "日用品");
    f.book.GridSetRowNum.setCell(1, 1, "5");
    settingAll(f.book);
    EXPECT_EQ(f.book.GridShishutu.rowCount(), 21);
    EXPECT_EQ(f.book.GridShishutu.cell(0, 20), "本");
}

TEST(SettingsApply, CaptionCalculatorShiftOptionAndBeep) {
    BareBook b;
    settingAll(b.book);
    EXPECT_EQ(b.book.caption, "みらぶの家計簿 Version " KAKEIBO_VERSION "　 使用者 ： ");
    EXPECT_TRUE(b.book.rdBtnMyDentaku);
    EXPECT_FALSE(b.book.chkBoxKozaShiftEnabled);
    EXPECT_EQ(b.ui.beeps(), 1);

    b.book.GridSetSonota.setCell(1, 2, "山田");
    b.book.rdBtnMyDentaku = false;
    b.book.rdBtnWinDentaku = true;
    b.book.chkBoxKozaAuto = true;
    settingAll(b.book);
    EXPECT_EQ(b.book.caption, "みらぶの家計簿 Version " KAKEIBO_VERSION "　 使用者 ： 山田");
    EXPECT_FALSE(b.book.rdBtnMyDentaku);
    EXPECT_TRUE(b.book.chkBoxKozaShiftEnabled);
}

TEST(SettingsApply, ApplyingClosesTheOpenList) {
    BookFixture f;
    f.combo = ComboState{CategoryCombo::Shishutu, 2, 3};
    settingAll(f.book);
    EXPECT_EQ(f.combo.open, CategoryCombo::None);
}

}  // namespace
}  // namespace kakeibo
