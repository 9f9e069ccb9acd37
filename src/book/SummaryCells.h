#pragma once
// Tools the period summaries share: finding a summary row by its label, and
// adding amounts into sheet cells in extended precision, each cell written
// once when the adding is done.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "sheets/Sheet.h"

namespace kakeibo {

// The rows firstRow..lastRow of a sheet by the text of one column. When
// several rows carry the same label the last of them is the one found. The
// empty text names no category, so it never finds a row: a line without a
// category is not counted, and separator rows stay empty.
class LabelRows {
public:
    LabelRows(const Sheet& sheet, int labelCol, int firstRow, int lastRow);
    std::optional<int> find(std::string_view label) const;

private:
    std::map<std::string, int, std::less<>> rows_;
};

// Amounts to add to cells. The sum of each cell is carried in extended
// precision and written once, added to what the cell held.
class CellSums {
public:
    void add(int col, int row, long double amount) { sums_[{row, col}] += amount; }
    void writeInto(Sheet& sheet) const;

private:
    std::map<std::pair<int, int>, long double> sums_;  // (row, col)
};

// The stored text of an amount carried in extended precision.
std::string amountToTextL(long double amount);
// A cell read as an amount, widened.
long double cellAmount(const Sheet& sheet, int col, int row);

}  // namespace kakeibo
