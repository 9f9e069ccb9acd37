#include "book/SummaryCells.h"

#include "sheets/AmountText.h"

namespace kakeibo {

LabelRows::LabelRows(const Sheet& sheet, int labelCol, int firstRow, int lastRow) {
    for (int row = firstRow; row <= lastRow; ++row) {
        const std::string& label = sheet.cell(labelCol, row);
        if (!label.empty()) rows_[label] = row;
    }
}

std::optional<int> LabelRows::find(std::string_view label) const {
    if (label.empty()) return std::nullopt;
    const auto it = rows_.find(label);
    if (it == rows_.end()) return std::nullopt;
    return it->second;
}

void CellSums::writeInto(Sheet& sheet) const {
    for (const auto& [place, sum] : sums_) {
        const auto [row, col] = place;
        sheet.setCell(col, row, amountToTextL(cellAmount(sheet, col, row) + sum));
    }
}

std::string amountToTextL(long double amount) { return amountToText(static_cast<double>(amount)); }

long double cellAmount(const Sheet& sheet, int col, int row) {
    return static_cast<long double>(textToAmount(sheet.cell(col, row)));
}

}  // namespace kakeibo
