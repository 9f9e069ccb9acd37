#pragma once
// Small operations every page uses on sheets.

#include <string>

#include "sheets/Sheet.h"

namespace kakeibo {

// The index of the last row holding any non-empty cell (a cell of only
// spaces counts); the last row index (row count - 1) when no cell of the
// sheet holds text.
int lastUsedRow(const Sheet& sheet);

// Empties columns firstCol..lastCol of rows 1 to the last row; row 0 stays.
void clearGridCols(Sheet& sheet, int firstCol, int lastCol);

// How many cells of row, from firstCol to the last column, read as an
// amount above 0.
int countPlusCells(const Sheet& sheet, int firstCol, int row);

// On-screen width of a sheet of a 72-, b 130- and c 200-pixel columns.
int calcGridWidth(int a, int b, int c);

// The width that marks an amount column, and no other column.
inline constexpr int kAmountColumnWidth = 72;
inline bool isAmountColumn(const Sheet& sheet, int col) {
    return sheet.colWidth(col) == kAmountColumnWidth;
}

}  // namespace kakeibo
