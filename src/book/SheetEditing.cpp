#include "book/SheetEditing.h"

#include <algorithm>
#include <array>

#include "model/SheetRows.h"
#include "sheets/SheetOps.h"

namespace kakeibo {

namespace {

// The rectangle's columns clamped to the sheet, or nothing when its top row
// is a header or outside the sheet.
std::optional<SheetRect> editableLines(const Sheet& sheet) {
    SheetRect rect = sheet.selection();
    if (rect.top < sheet.fixedRows() || rect.top >= sheet.rowCount()) return std::nullopt;
    rect.left = std::max(rect.left, 0);
    rect.right = std::min(rect.right, sheet.colCount() - 1);
    if (rect.left > rect.right) return std::nullopt;
    return rect;
}

bool insideDataCells(const Sheet& sheet, int col, int row) {
    return col >= 0 && col < sheet.colCount() && row >= sheet.fixedRows() && row < sheet.rowCount();
}

}  // namespace

CellPos moveToNextCell(Sheet& sheet) {
    const int k = sheet.currentCol();
    const int r = sheet.currentRow();
    CellPos next{k + 1, r};
    if (k >= sheet.colCount() - 1) {
        next.col = sheet.fixedCols() > 0 ? 1 : 0;
        next.row = r >= sheet.rowCount() - 1 ? r : r + 1;
    }
    sheet.setCurrentCell(next.col, next.row);
    return next;
}

bool limitOnlyNumeric(char32_t key, std::string_view cellText, int caretPosition) {
    if (key == kBackspaceKey) return true;
    const auto minus = cellText.find('-');
    // Anything typed left of a minus sign would leave a text that reads as 0.
    if (minus != std::string_view::npos && caretPosition <= static_cast<int>(minus)) return false;
    if (key >= U'0' && key <= U'9') return true;
    if (key == U'.') return cellText.find('.') == std::string_view::npos;
    if (key == U'-') return minus == std::string_view::npos && caretPosition == 0;
    return false;
}

namespace {

constexpr std::array<std::string_view, 13> kAmountKeySheets = {
    "GridShishutu",    "GridShuNyu",    "GridKoza",     "GridSetGenkinOut", "GridSetKoza0",
    "GridSetKoza1",    "GridSetKoza2",  "GridSetKoza3", "GridShokiGenkin",  "GridShokiKoza",
    "GridShokiChokin", "GridSetRowNum", "GridSetTax"};

bool takesAmountKeys(std::string_view name) {
    return std::find(kAmountKeySheets.begin(), kAmountKeySheets.end(), name) != kAmountKeySheets.end();
}

bool isSavingsSettings(std::string_view name) { return name == "GridSetChokin" || name == "GridSetSonota"; }

}  // namespace

bool walksOnEnter(std::string_view controlName) {
    return takesAmountKeys(controlName) || isSavingsSettings(controlName);
}

bool needsNumericFilter(const Sheet& sheet, int col, int row) {
    const std::string_view name = sheet.name();
    if (isSavingsSettings(name)) return row == 1;
    return takesAmountKeys(name) && isAmountColumn(sheet, col);
}

void insertGridLine(Sheet& sheet) {
    const auto rect = editableLines(sheet);
    if (!rect) return;
    if (lastUsedRow(sheet) >= sheet.rowCount() - 1 && storedLineCount(sheet) > 0) {
        ensureDataRows(sheet, sheet.rowCount());
    }
    for (int row = sheet.rowCount() - 1; row > rect->top; --row) {
        for (int col = rect->left; col <= rect->right; ++col) sheet.setCell(col, row, sheet.cell(col, row - 1));
    }
    for (int col = rect->left; col <= rect->right; ++col) sheet.setCell(col, rect->top, std::string());
}

void deleteGridLine(Sheet& sheet) {
    const auto rect = editableLines(sheet);
    if (!rect) return;
    const int last = sheet.rowCount() - 1;
    for (int row = rect->top; row < last; ++row) {
        for (int col = rect->left; col <= rect->right; ++col) sheet.setCell(col, row, sheet.cell(col, row + 1));
    }
    for (int col = rect->left; col <= rect->right; ++col) sheet.setCell(col, last, std::string());
}

std::string deleteLineQuestion(const Sheet& sheet, int left, int top) {
    return sheet.cell(left, top) + " - " + sheet.cell(left + 1, top) + " - " + sheet.cell(left + 2, top) +
           std::string(kDeleteLineSuffix);
}

std::string deleteLineQuestion(const Sheet& sheet) {
    return deleteLineQuestion(sheet, sheet.selection().left, sheet.selection().top);
}

std::optional<SheetRect> showPopDelAndInsert(Sheet& sheet, int col, int row) {
    if (!insideDataCells(sheet, col, row)) return std::nullopt;
    const SheetRect rect{0, row, sheet.colCount() - 1, row};
    sheet.setSelection(rect);
    return rect;
}

std::optional<SheetRect> showPopDelAndInsert3(Sheet& sheet, int col, int row) {
    if (!insideDataCells(sheet, col, row)) return std::nullopt;
    const int left = col / 3 * 3;
    const SheetRect rect{left, row, std::min(left + 2, sheet.colCount() - 1), row};
    sheet.setSelection(rect);
    return rect;
}

void popLineInsertClick(Sheet* activeGrid) {
    if (activeGrid) insertGridLine(*activeGrid);
}

bool popLineDeleteClick(Book& book, Sheet* activeGrid, int clickScreenX, int clickScreenY) {
    if (!activeGrid || !editableLines(*activeGrid)) return false;
    const std::string question = deleteLineQuestion(*activeGrid);
    if (!book.ui().askYesNo(question, clickScreenX - kDeleteQuestionOffset, clickScreenY - kDeleteQuestionOffset)) {
        return false;
    }
    deleteGridLine(*activeGrid);
    return true;
}

bool isLineEditGrid(std::string_view controlName) {
    static constexpr std::array<std::string_view, 10> kNames = {
        "GridShishutu", "GridShuNyu",   "GridKoza",         "GridSetKoza0",    "GridSetKoza1",
        "GridSetKoza2", "GridSetKoza3", "GridSetGenkinOut", "GridSetGenkinIn", "GridCredit"};
    return std::find(kNames.begin(), kNames.end(), controlName) != kNames.end();
}

Sheet* getActiveGrid(Book& book, std::string_view focusedControlName) {
    return isLineEditGrid(focusedControlName) ? book.sheet(focusedControlName) : nullptr;
}

CategoryCombo categoryComboOf(const Sheet& sheet) {
    if (sheet.name() == "GridShishutu") return CategoryCombo::Shishutu;
    if (sheet.name() == "GridShuNyu") return CategoryCombo::ShuNyu;
    if (sheet.name() == "GridKoza") return CategoryCombo::Koza;
    return CategoryCombo::None;
}

void gridSelectCellCommon(ComboState& state, CategoryCombo combo, int col, int row) {
    if (col != 2 || combo == CategoryCombo::None) {
        hideAllCombo(state);
        return;
    }
    state = ComboState{combo, col, row};
}

std::optional<CellPos> cmbInputCommon(Sheet& sheet, ComboState& state, const std::string& text) {
    if (state.open == CategoryCombo::None || state.row < 0) return std::nullopt;
    sheet.setCell(state.col, state.row, text);
    const CellPos next{0, state.row >= sheet.rowCount() - 1 ? state.row : state.row + 1};
    sheet.setCurrentCell(next.col, next.row);
    hideAllCombo(state);
    return next;
}

}  // namespace kakeibo
