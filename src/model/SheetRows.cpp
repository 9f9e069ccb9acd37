#include "model/SheetRows.h"

#include <algorithm>
#include <string>

#include "sheets/SheetOps.h"

namespace kakeibo {

namespace {

bool rowHasText(const Sheet& sheet, int row) {
    for (int col = 0; col < sheet.colCount(); ++col) {
        if (!sheet.cell(col, row).empty()) return true;
    }
    return false;
}

}  // namespace

int storedLineCount(const Sheet& sheet) {
    const int last = lastUsedRow(sheet);
    // The last used row of a sheet without any text is its last row; storing
    // that many blank lines would invent lines nobody wrote.
    if (last < 1 || !rowHasText(sheet, last)) return 0;
    return last;
}

void ensureDataRows(Sheet& sheet, int lines) {
    const int needed = lines + 1;  // row 0 is the header
    const int oldRows = sheet.rowCount();
    if (needed <= oldRows) return;
    for (int row = std::max(oldRows, 0); row < needed; ++row) {
        for (int col = 0; col < sheet.colCount(); ++col) sheet.setCell(col, row, std::string());
    }
    sheet.setRowCount(needed);
}

}  // namespace kakeibo
