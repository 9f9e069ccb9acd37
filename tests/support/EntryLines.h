#pragma once
// Entry lines (item, amount, category) written into a day sheet from its
// first line on, as a person types them.

#include <initializer_list>

#include "sheets/Sheet.h"

namespace kakeibo {

struct EntryLine {
    const char* item;
    const char* amount;
    const char* category;
};

inline void putLines(Sheet& sheet, std::initializer_list<EntryLine> lines) {
    int row = 1;
    for (const EntryLine& line : lines) {
        sheet.setCell(0, row, line.item);
        sheet.setCell(1, row, line.amount);
        sheet.setCell(2, row, line.category);
        ++row;
    }
}

}  // namespace kakeibo
