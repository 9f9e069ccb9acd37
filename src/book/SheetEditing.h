#pragma once
// The editing aids of the sheets, as rules without widgets: the Enter-key
// walk, the amount key filter, inserting and deleting a line, the pop-up
// menu's selection, committing a drop-down choice and which sheets take the
// pop-up menu's commands.

#include <optional>
#include <string>
#include <string_view>

#include "book/Book.h"
#include "book/ComboState.h"

namespace kakeibo {

struct CellPos {
    int col = 0;
    int row = 0;
    bool operator==(const CellPos&) const = default;
};

inline constexpr char32_t kBackspaceKey = U'\b';
inline constexpr std::string_view kDeleteLineSuffix = "   この行を削除していいですか？";
// The pop-up menu opens this far below the click; the delete question's
// box this far left of and above it.
inline constexpr int kPopupMenuDy = 12;
inline constexpr int kDeleteQuestionOffset = 20;

// Enter: the next cell to the right, or the first cell of the next row
// (column 1 when the sheet has a fixed column) from the last column; the
// last row does not move down. Selects it and returns it.
CellPos moveToNextCell(Sheet& sheet);

// The key filter of amount cells, given the key, the cell's text and the
// editor's caret position (characters from the start): digits and
// Backspace pass; "." only while the text has none; "-" only at the start
// of a text that has none. Nothing is typed in front of a minus sign.
bool limitOnlyNumeric(char32_t key, std::string_view cellText, int caretPosition);
// Whether Enter walks the cells of a sheet of that control name: the
// sheets whose cells take the amount key filter, and the savings and
// "other" settings.
bool walksOnEnter(std::string_view controlName);
// Whether keys typed into cell (col, row) of the sheet go through that
// filter: the amount columns of the entry, cash, account, initial-value,
// line-count and tax sheets, and row 1 of the savings and "other" settings.
bool needsNumericFilter(const Sheet& sheet, int col, int row);

// Inserts an empty line at the selection's top row within its columns,
// pushing the lines below down; a sheet whose last row is in use grows by
// one row, so nothing falls off. A selection on a header row does nothing.
void insertGridLine(Sheet& sheet);
// Removes the selection's top row within its columns, pulling the lines
// below up; the last row becomes empty and the row count stays.
void deleteGridLine(Sheet& sheet);
// The cells (left, top), (left + 1, top), (left + 2, top) joined by " - ",
// then "   この行を削除していいですか？".
std::string deleteLineQuestion(const Sheet& sheet, int left, int top);
std::string deleteLineQuestion(const Sheet& sheet);

// The right click's selection: the whole row (entry, cash settings and
// credit sheets), or the row within the clicked column's group 0-2, 3-5 or
// 6 (account settings sheets). Selects it and returns it; nothing (and no
// menu) for a header row or a point outside the cells.
std::optional<SheetRect> showPopDelAndInsert(Sheet& sheet, int col, int row);
std::optional<SheetRect> showPopDelAndInsert3(Sheet& sheet, int col, int row);

// The pop-up menu's commands on the sheet that has the focus (nullptr: none).
void popLineInsertClick(Sheet* activeGrid);
// Asks the question at the click point moved 20 pixels left and up; true
// when the line was deleted.
bool popLineDeleteClick(Book& book, Sheet* activeGrid, int clickScreenX, int clickScreenY);

// Whether the pop-up menu's commands act on a sheet of that control name.
bool isLineEditGrid(std::string_view controlName);
// The sheet of the focused control when it takes those commands, else nullptr.
Sheet* getActiveGrid(Book& book, std::string_view focusedControlName);

// The category list that serves column 2 of a sheet: the three entry
// sheets have one each; None for every other sheet.
CategoryCombo categoryComboOf(const Sheet& sheet);

// A cell of an entry sheet became selected: column 2 opens that sheet's
// category list over it, any other column closes all lists.
void gridSelectCellCommon(ComboState& state, CategoryCombo combo, int col, int row);
// Writes the chosen text into the combo cell, selects column 0 of the next
// row (the same row on the last row) and closes the lists. Returns the cell
// selected; nothing when no list was open.
std::optional<CellPos> cmbInputCommon(Sheet& sheet, ComboState& state, const std::string& text);

}  // namespace kakeibo
