#pragma once
// The household book without its window: every sheet under its control
// name, every option and panel text the logic writes, the memo texts, the
// category lists and the four record lists. Page modules (one file each)
// work on a Book; the window program, the command-line tool and the tests
// create one and pass it to whoever needs it.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "book/ComboState.h"
#include "messages/UiPort.h"
#include "storage/CardList.h"
#include "model/Clock.h"
#include "model/DatedList.h"
#include "safety/BookSafety.h"
#include "sheets/AmountText.h"
#include "sheets/Sheet.h"

namespace kakeibo {

class Book {
public:
    explicit Book(UiPort& ui);
    Book(const Book&) = delete;
    Book& operator=(const Book&) = delete;

    UiPort& ui() { return *ui_; }
    Clock& clock() { return clock_; }
    Date today() const { return clock_.today(); }

    // --- sheets, by page ---------------------------------------------------
    // daily record
    Sheet GridShishutu{"GridShishutu", 3, 30};
    Sheet GridShuNyu{"GridShuNyu", 3, 20};
    Sheet GridKoza{"GridKoza", 3, 20};
    Sheet GridYosan{"GridYosan", 3, 30};
    Sheet GridMatome{"GridMatome", 2, 20};
    // summaries
    Sheet GridWeekShishutsu{"GridWeekShishutsu", 10, 20};
    Sheet GridWeekShuNyu{"GridWeekShuNyu", 10, 20};
    Sheet GridMonthSum{"GridMonthSum", 13, 2};
    Sheet GridMonthShishutu{"GridMonthShishutu", 3, 50};
    Sheet GridMonthShuNyu{"GridMonthShuNyu", 2, 50};
    Sheet GridMonthMatome{"GridMonthMatome", 2, 50};
    Sheet GridMonthKoza{"GridMonthKoza", 3, 9};
    Sheet GridYearShishutsu{"GridYearShishutsu", 15, 20};
    Sheet GridYearShuNyu{"GridYearShuNyu", 15, 20};
    // settings
    Sheet GridSetGenkinOut{"GridSetGenkinOut", 2, 35};
    Sheet GridSetGenkinIn{"GridSetGenkinIn", 1, 20};
    Sheet GridSetChokin{"GridSetChokin", 1, 2};
    Sheet GridSetKoza0{"GridSetKoza0", 7, 20};
    Sheet GridSetKoza1{"GridSetKoza1", 7, 20};
    Sheet GridSetKoza2{"GridSetKoza2", 7, 20};
    Sheet GridSetKoza3{"GridSetKoza3", 7, 20};
    Sheet GridShokiGenkin{"GridShokiGenkin", 2, 1};
    Sheet GridShokiChokin{"GridShokiChokin", 2, 1};
    Sheet GridShokiKoza{"GridShokiKoza", 5, 3};
    Sheet GridSetSonota{"GridSetSonota", 2, 3};
    Sheet GridSetRowNum{"GridSetRowNum", 2, 5};
    Sheet GridSetTax{"GridSetTax", 2, 2};
    // credit record
    Sheet GridCredit{"GridCredit", 9, 10};

    // All 28 sheets, in the order above.
    const std::vector<Sheet*>& allSheets() { return allSheets_; }
    // The sheet of a control name, or nullptr.
    Sheet* sheet(std::string_view controlName);
    // The account settings sheet of account k (0..3).
    Sheet& setKoza(int k);

    // --- settings-page fields and options -----------------------------------
    std::array<std::string, 4> EditBank;  // bank names; empty = account not used
    bool rdBtnMyDentaku = false;   // the built-in calculator
    bool rdBtnWinDentaku = false;  // the desktop's calculator
    bool chkBoxRedText = false;
    bool chkBoxComma = false;
    bool chkBoxFloat = false;
    bool chkBoxKozaAuto = false;
    bool chkBoxKozaShift = false;
    bool chkBoxKozaShiftEnabled = false;
    bool chkBoxShokichiUse = false;

    AmountDisplay amountDisplay() const { return AmountDisplay{chkBoxComma, chkBoxFloat}; }
    // The account line label of account index (0..3) and kind (0..2).
    std::string makeKozaLabel(int index, int kind) const;
    // F, the first day of the fiscal month, from GridSetSonota.
    int shonichi() const;
    // The user's name, GridSetSonota row 2.
    const std::string& userName() const;

    // --- texts the logic writes --------------------------------------------
    std::string caption;  // the main window's caption
    // daily record
    std::string pnlDay, pnlYobi, pnlPage, pnlToShonichi, pnlToday;
    // monthly summary
    std::string pnlYearSum, pnlMonthSum, pnlMonthStart, pnlMonthLast, pnlPageSum, pnlTodaySum;
    // weekly summary
    std::string pnlYearWeek, pnlWeekWeek, pnlPageWeek, pnlTodayWeek;
    // yearly summary
    std::string pnlYearYear;
    // memo list
    std::string pnlMemoYear, pnlMemoMonth, pnlMemoLeft, pnlMemoRight;

    // Multi-line texts, as the editor holds them: lines joined by "\n".
    std::string Memo1;     // the day's memo
    std::string MemoOboe;  // the notes page
    std::string MemoLeft, MemoRight;  // the memo list panes

    // Items of the three category drop-down lists, and which one is open.
    std::vector<std::string> cmbShishutu, cmbShuNyu, cmbKoza;
    ComboState combo;

    // --- records -------------------------------------------------------------
    CardList cards;
    MonthList months;
    CursorList weeks;
    CursorList years;
    Date startDate = 0;
    std::uint8_t headerFlag = 0;

    // The folder of the four files, with a trailing "/"; set by whoever
    // creates the Book (the window program, the command-line tool, a test).
    std::string folder;
    // The file layer, the data file as last read or written, and the
    // recovery copy's writer.
    BookSafety safety;

private:
    UiPort* ui_;
    Clock clock_;
    std::vector<Sheet*> allSheets_;
};

}  // namespace kakeibo
