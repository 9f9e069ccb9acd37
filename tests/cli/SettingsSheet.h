#pragma once
// A settings sheet as the preferences file holds it (its cells below the
// header row), its first rows given, for the books the CLI tests write.

#include <string>
#include <vector>

#include "storage/PrefFile.h"

namespace kakeibo::test {

inline SheetRecord settingsSheet(int rows, int cols, const std::vector<std::vector<std::string>>& firstRows) {
    SheetRecord sheet;
    sheet.rows = rows;
    sheet.cols = cols;
    sheet.cells.assign(static_cast<std::size_t>(rows - 1), std::vector<std::string>(static_cast<std::size_t>(cols)));
    for (std::size_t i = 0; i < firstRows.size(); ++i) sheet.cells[i] = firstRows[i];
    return sheet;
}

}  // namespace kakeibo::test
