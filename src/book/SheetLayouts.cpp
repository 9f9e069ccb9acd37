#include "book/SheetLayouts.h"

#include <initializer_list>
#include <string>
#include <string_view>

#include "sheets/SheetOps.h"

namespace kakeibo {

namespace {

constexpr int kAmount = kAmountColumnWidth;

// The frame of a sheet: everything but its texts.
struct Frame {
    int cols = 1;
    int rows = 1;
    int fixedCols = 0;
    int fixedRows = 1;
    bool editable = false;
    bool tabMoves = false;
};

// How the sheets of the program behave to the keyboard.
constexpr bool kReadOnly = false;
constexpr bool kEditable = true;
constexpr bool kNoTab = false;
constexpr bool kTab = true;

void applyFrame(Sheet& sheet, const Frame& frame, std::initializer_list<int> widths) {
    sheet.setColCount(frame.cols);
    sheet.setRowCount(frame.rows);
    sheet.setFixedCols(frame.fixedCols);
    sheet.setFixedRows(frame.fixedRows);
    sheet.setEditable(frame.editable);
    sheet.setTabMoves(frame.tabMoves);
    int col = 0;
    for (int width : widths) sheet.setColWidth(col++, width);
}

// Writes the texts of row 0 from column 0 on.
void writeHeaders(Sheet& sheet, std::initializer_list<std::string_view> headers) {
    int col = 0;
    for (std::string_view text : headers) sheet.setCell(col++, 0, std::string(text));
}

// Writes the texts of column 0 from firstRow on.
void writeRowLabels(Sheet& sheet, int firstRow, std::initializer_list<std::string_view> labels) {
    int row = firstRow;
    for (std::string_view text : labels) sheet.setCell(0, row++, std::string(text));
}

std::string joined(std::string_view name, std::string_view suffix) {
    std::string text(name);
    text += suffix;
    return text;
}

void setupEntryGrid(Sheet& sheet, int rows, std::string_view title) {
    applyFrame(sheet, Frame{3, rows, 0, 1, kEditable, kTab}, {134, kAmount, 134});
    writeHeaders(sheet, {title, "金　額", "分　類"});
}

void setupDayGrids(Book& book) {
    // Row counts before the settings are applied; the settings then set them.
    setupEntryGrid(book.GridShishutu, 30, "支　出");
    setupEntryGrid(book.GridShuNyu, 20, "収　入");
    setupEntryGrid(book.GridKoza, 20, "口座管理");

    applyFrame(book.GridYosan, Frame{3, 30, 0, 1, kReadOnly, kNoTab}, {139, kAmount, kAmount});
    writeHeaders(book.GridYosan, {"支出項目", "使用額", "予算残"});

    applyFrame(book.GridMatome, Frame{2, 20, 0, 1, kReadOnly, kNoTab}, {});  // widths: setupMatomeGrid
    setupMatomeGrid(book);
}

// Week and year sheets share their first three columns: the category label,
// the period total and the average.
void setupPeriodGrid(Sheet& sheet, int cols, std::string_view title, std::string_view total) {
    applyFrame(sheet, Frame{cols, 20, 3, 2, kReadOnly, kNoTab}, {130});
    for (int col = 1; col < cols; ++col) sheet.setColWidth(col, kAmount);
    writeHeaders(sheet, {title, total, "平　均"});
}

void setupWeekGrids(Book& book) {
    setupPeriodGrid(book.GridWeekShishutsu, 10, "支　　　出", "支出合計");
    setupPeriodGrid(book.GridWeekShuNyu, 10, "収　　　入", "収入合計");
}

void setupYearGrids(Book& book) {
    for (Sheet* sheet : {&book.GridYearShishutsu, &book.GridYearShuNyu}) {
        const bool spending = sheet == &book.GridYearShishutsu;
        setupPeriodGrid(*sheet, 15, spending ? "支　　　出" : "収　　　入", spending ? "支出合計" : "収入合計");
        for (int month = 1; month <= 12; ++month) {
            sheet->setCell(2 + month, 0, std::to_string(month) + " 月 ");
        }
    }
}

void setupMonthGrids(Book& book) {
    // Columns 0, 4, 8 and 11 are one-pixel separators between the groups.
    applyFrame(book.GridMonthSum, Frame{13, 2, 0, 1, kReadOnly, kNoTab},
               {1, kAmount, kAmount, kAmount, 1, kAmount, kAmount, kAmount, 1, kAmount, kAmount, 1, kAmount});
    writeHeaders(book.GridMonthSum, {"", "支出合計", "収入合計", "収　支", "", "現金残合計", "口座残合計",
                                     "家計合計", "", "貯金額", "未払ｸﾚｼﾞｯﾄ", "", "家計増減"});

    applyFrame(book.GridMonthShishutu, Frame{3, 50, 0, 1, kReadOnly, kNoTab}, {200, kAmount, kAmount});
    writeHeaders(book.GridMonthShishutu, {"支 出 項 目", "使用額", "予算額"});

    applyFrame(book.GridMonthShuNyu, Frame{2, 50, 0, 1, kReadOnly, kNoTab}, {200, kAmount});
    writeHeaders(book.GridMonthShuNyu, {"収 入 項 目", "収入額"});

    applyFrame(book.GridMonthMatome, Frame{2, 50, 0, 1, kReadOnly, kNoTab}, {200, kAmount});
    writeHeaders(book.GridMonthMatome, {"ま　と　め", "金 額"});

    // The hidden work sheet of the monthly summation: no column is an amount
    // column, so none may be 72 wide.
    applyFrame(book.GridMonthKoza, Frame{3, 9, 0, 1, kReadOnly, kNoTab}, {41, 64, 85});
}

void setupCashSettingGrids(Book& book) {
    applyFrame(book.GridSetGenkinOut, Frame{2, 35, 0, 1, kEditable, kTab}, {130, kAmount});
    writeHeaders(book.GridSetGenkinOut, {"現金支出科目", " 予 算"});

    applyFrame(book.GridSetGenkinIn, Frame{1, 20, 0, 1, kEditable, kTab}, {130});
    writeHeaders(book.GridSetGenkinIn, {"現金収入科目"});

    applyFrame(book.GridSetChokin, Frame{1, 2, 0, 1, kEditable, kNoTab}, {130});
    writeHeaders(book.GridSetChokin, {"１ヶ月の貯金額"});
}

void setupAccountSettingGrids(Book& book) {
    for (int k = 0; k < 4; ++k) {
        Sheet& sheet = book.setKoza(k);
        applyFrame(sheet, Frame{7, 20, 0, 1, kEditable, kTab}, {127, kAmount, 20, 127, kAmount, 20, 127});
        writeHeaders(sheet, {"口座振替科目", "予 算", "引", "カード科目", "予 算", "引", "収入科目"});
    }
}

void setupOtherSettingGrids(Book& book) {
    applyFrame(book.GridSetSonota, Frame{2, 3, 1, 1, kEditable, kTab}, {200, 130});
    writeHeaders(book.GridSetSonota, {"", "設 定 内 容 "});
    writeRowLabels(book.GridSetSonota, 1, {"月度の初日", "使用者の名前"});

    applyFrame(book.GridSetRowNum, Frame{2, 5, 1, 1, kEditable, kTab}, {200, kAmount});
    writeHeaders(book.GridSetRowNum, {"", "設定内容"});
    writeRowLabels(book.GridSetRowNum, 1,
                   {"支出記入欄の行数", "収入記入欄の行数", "口座管理記入欄の行数", "口座設定記入欄の行数"});

    applyFrame(book.GridSetTax, Frame{2, 2, 1, 1, kEditable, kTab}, {200, kAmount});
    writeHeaders(book.GridSetTax, {"", "設定内容"});
    writeRowLabels(book.GridSetTax, 1, {"消費税率（ % : 電卓用）"});
}

void setupInitialValueGrids(Book& book) {
    // One row and no header: the label sits beside the value in row 0, and
    // only the label is written so that a value read from the file stays.
    applyFrame(book.GridShokiGenkin, Frame{2, 1, 1, 0, kEditable, kTab}, {200, kAmount});
    writeRowLabels(book.GridShokiGenkin, 0, {"現金の初期値"});

    applyFrame(book.GridShokiChokin, Frame{2, 1, 1, 0, kEditable, kTab}, {200, kAmount});
    writeRowLabels(book.GridShokiChokin, 0, {"貯金の初期値"});

    applyFrame(book.GridShokiKoza, Frame{5, 3, 1, 1, kEditable, kTab}, {200, kAmount, kAmount, kAmount, kAmount});
    writeHeaders(book.GridShokiKoza, {"", "第１口座", "第２口座", "第３口座", "第４口座"});
    writeRowLabels(book.GridShokiKoza, 1, {"口座残高", "ｸﾚｼﾞｯﾄ 未払い残高"});
}

void setupCreditGrid(Book& book) {
    applyFrame(book.GridCredit, Frame{9, 10, 0, 1, kEditable, kNoTab}, {56, 28, 28, 130, kAmount, 130, 130, 56, 28});
    writeHeaders(book.GridCredit,
                 {"使用年", "月", "日", "使用内容", "使用金額", "使用カード", "ステータス", "支払年", "月"});
}

}  // namespace

void setupAllGrids(Book& book) {
    setupDayGrids(book);
    setupCashSettingGrids(book);
    setupAccountSettingGrids(book);
    setupOtherSettingGrids(book);
    setupInitialValueGrids(book);
    setupCreditGrid(book);
    setupMonthGrids(book);
    setupYearGrids(book);
    setupWeekGrids(book);
}

void setupMatomeGrid(Book& book) {
    Sheet& sheet = book.GridMatome;
    sheet.setColWidth(0, 212);
    sheet.setColWidth(1, kAmount);
    writeHeaders(sheet, {"ま　と　め", "金 額"});
    writeRowLabels(sheet, 1,
                   {"今日の現金支出合計", "今日の支出合計", "", "現金残高", "口座残高合計", "家計合計額",
                    "貯金合計額", "", "今月度の現金支出合計", "今月度の支出合計"});
    for (int row = 11; row <= 19; ++row) sheet.setCell(0, row, std::string());
    for (int k = 0; k < 4; ++k) {
        const std::string& name = book.EditBank[static_cast<std::size_t>(k)];
        if (name.empty()) continue;
        sheet.setCell(0, 12 + 2 * k, joined(name, "　残高"));
        sheet.setCell(0, 13 + 2 * k, joined(name, "　ｸﾚｼﾞｯﾄ残"));
    }
}

void setWeekDayHeaders(Book& book, Date date) {
    const Date sunday = getWeekStart(date);
    for (int i = 0; i < 7; ++i) {
        const std::string header = dateToText(2, sunday + i);
        book.GridWeekShishutsu.setCell(3 + i, 0, header);
        book.GridWeekShuNyu.setCell(3 + i, 0, header);
    }
}

void setMonthMatomeLabels(Book& book) {
    Sheet& sheet = book.GridMonthMatome;
    sheet.setCell(0, 1, "今月の現金支出合計");
    sheet.setCell(0, 2, "今月の口座支出合計");
    int row = 4;
    for (const std::string& name : book.EditBank) {
        if (name.empty()) continue;
        sheet.setCell(0, row, joined(name, "　支出合計"));
        sheet.setCell(0, row + 1, joined(name, "　収入合計"));
        row += 3;
    }
}

}  // namespace kakeibo
