#include "sheets/SheetOps.h"

#include "sheets/AmountText.h"

namespace kakeibo {

int lastUsedRow(const Sheet& sheet) {
    for (int row = sheet.rowCount() - 1; row >= 0; --row) {
        for (int col = 0; col < sheet.colCount(); ++col) {
            if (!sheet.cell(col, row).empty()) return row;
        }
    }
    // No text anywhere: callers then see every row as a data line.
    return sheet.rowCount() - 1;
}

void clearGridCols(Sheet& sheet, int firstCol, int lastCol) {
    for (int row = 1; row < sheet.rowCount(); ++row) {
        for (int col = firstCol; col <= lastCol; ++col) sheet.setCell(col, row, std::string());
    }
}

int countPlusCells(const Sheet& sheet, int firstCol, int row) {
    int count = 0;
    for (int col = firstCol; col < sheet.colCount(); ++col) {
        if (textToAmount(sheet.cell(col, row)) > 0.0) ++count;
    }
    return count;
}

int calcGridWidth(int a, int b, int c) { return 73 * a + 131 * b + 201 * c + 6; }

}  // namespace kakeibo
