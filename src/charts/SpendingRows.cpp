#include "charts/SpendingRows.h"

#include "book/SettingsApply.h"
#include "sheets/SheetOps.h"

namespace kakeibo {

namespace {

constexpr int kDebitCol = 0;
constexpr int kCardCol = 3;

// Every non-empty key of one settings column, rows 1 to its last used row.
void countColumn(SpendingKeyCounts& counts, const Sheet& settings, int col, std::string_view prefix = {}) {
    const int last = lastUsedRow(settings);
    for (int row = 1; row <= last; ++row) {
        const std::string& key = settings.cell(col, row);
        if (!key.empty()) ++counts[std::string(prefix) + key];
    }
}

}  // namespace

SpendingKeyCounts spendingKeyCounts(const Book& book) {
    SpendingKeyCounts counts;
    countColumn(counts, book.GridSetGenkinOut, 0);
    ++counts[std::string(kGenkinToChokin)];
    for (int k = 0; k < 4; ++k) {
        if (!isNamedAccount(book, k)) continue;
        const Sheet& settings = accountSheet(book, k);
        countColumn(counts, settings, kDebitCol);
        countColumn(counts, settings, kCardCol, kSettlementPrefix);
        ++counts[book.makeKozaLabel(k, 2)];
    }
    return counts;
}

}  // namespace kakeibo
