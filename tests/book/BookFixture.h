#pragma once
// A laid-out book with a few categories, two named banks and a scripted
// user, as the tests of the day pages need it.
//
// Spending list (mode 0) of these settings, by budget row:
//   1 食費  2 日用品  3 交際費  4 ""  5 現金から貯金  6 ""  7 家賃  8 ""
//   9 電気代  10 ""  11 Xカード  12 ""  13 Yカード  14 ""
//   15 決済 ＿ Xカード  16 ""  17 決済 ＿ Yカード  18 ""

#include <string>

#include "book/Book.h"
#include "book/ComboState.h"
#include "book/DayDisplay.h"
#include "book/SettingsApply.h"
#include "book/SheetLayouts.h"
#include "support/FixedToday.h"
#include "support/ScriptedUi.h"

namespace kakeibo::test {

inline const std::string kBank0 = "みらい銀行";
inline const std::string kBank1 = "ひかり銀行";

struct BookFixture {
    ScriptedUi ui;
    Book book{ui};
    ComboState& combo = book.combo;

    BookFixture() {
        setupAllGrids(book);
        Sheet& out = book.GridSetGenkinOut;
        out.setCell(0, 1, "食費");
        out.setCell(1, 1, "30000");
        out.setCell(0, 2, "日用品");
        out.setCell(1, 2, "10000");
        out.setCell(0, 3, "交際費");
        book.GridSetGenkinIn.setCell(0, 1, "お小遣い");
        book.GridSetGenkinIn.setCell(0, 2, "雑収入");
        book.GridSetChokin.setCell(0, 1, "20000");

        book.EditBank[0] = kBank0;
        book.EditBank[1] = kBank1;
        Sheet& k0 = book.GridSetKoza0;
        k0.setCell(0, 1, "家賃");
        k0.setCell(1, 1, "80000");
        k0.setCell(2, 1, "27");
        k0.setCell(3, 1, "Xカード");
        k0.setCell(4, 1, "50000");
        k0.setCell(6, 1, "給料");
        Sheet& k1 = book.GridSetKoza1;
        k1.setCell(0, 1, "電気代");
        k1.setCell(1, 1, "8000");
        k1.setCell(2, 1, "10");
        k1.setCell(3, 1, "Yカード");
        k1.setCell(4, 1, "20000");
        k1.setCell(6, 1, "利息");

        settingAll(book);
        ui.clear();
    }

    // Shows the card of that day (creating it) without storing the sheets.
    void show(int year, int month, int day) { dispTheDay(book, dayOf(year, month, day)); }

    void spend(int row, const std::string& item, const std::string& amount, const std::string& category) {
        line(book.GridShishutu, row, item, amount, category);
    }
    void income(int row, const std::string& item, const std::string& amount, const std::string& category) {
        line(book.GridShuNyu, row, item, amount, category);
    }
    void account(int row, const std::string& item, const std::string& amount, const std::string& category) {
        line(book.GridKoza, row, item, amount, category);
    }
    static void line(Sheet& sheet, int row, const std::string& item, const std::string& amount,
                     const std::string& category) {
        sheet.setCell(0, row, item);
        sheet.setCell(1, row, amount);
        sheet.setCell(2, row, category);
    }

    const std::string& matome(int row) const { return book.GridMatome.cell(1, row); }
    const std::string& used(int row) const { return book.GridYosan.cell(1, row); }
    const std::string& left(int row) const { return book.GridYosan.cell(2, row); }
};

// Budget rows of the fixture's spending list.
inline constexpr int kRowFood = 1, kRowDaily = 2, kRowSocial = 3, kRowCashToSavings = 5, kRowRent = 7,
                     kRowPower = 9, kRowCardX = 11, kRowCardY = 13, kRowSettleX = 15, kRowSettleY = 17;

}  // namespace kakeibo::test
