#include "book/DayDisplay.h"

#include <algorithm>
#include <string>

#include "book/ComboState.h"
#include "model/DayStore.h"
#include "sheets/SheetOps.h"

namespace kakeibo {

namespace {

// Empties the columns of every data row, as clearGridCols does; rows below
// the last used row are empty already and are not visited.
void clearUsedRows(Sheet& sheet, int firstCol, int lastCol) {
    const int last = std::min(lastUsedRow(sheet), sheet.rowCount() - 1);
    for (int row = 1; row <= last; ++row) {
        for (int col = firstCol; col <= lastCol; ++col) {
            if (!sheet.cell(col, row).empty()) sheet.setCell(col, row, std::string());
        }
    }
}

}  // namespace

std::optional<int> findCardIndex(const Book& book, Date date) {
    const CardList& cards = book.cards;
    if (cards.empty()) return std::nullopt;
    const int cur = cards.curIndex();
    for (const int i : {cur, cur + 1, cur - 1}) {
        if (i >= 0 && i < cards.size() && cards.date(i) == date) return i;
    }
    return cards.find(date);
}

void dispTheDay(Book& book, Date date) {
    if (book.cards.empty()) {
        book.cards.init(date);
    } else if (const auto index = findCardIndex(book, date)) {
        book.cards.setCurIndex(*index);
    } else {
        book.cards.insert(date);
    }
    dispTheDayBody(book, date);
}

void dispTheDayBody(Book& book, Date date, DayDisplayParts parts) {
    const TIndex& card = book.cards.cur();

    book.pnlDay = dateToText(0, date);
    book.pnlYobi = getYobiText(weekday(date));
    book.pnlPage = std::to_string(book.cards.position(book.cards.curIndex())) + " / " +
                   std::to_string(book.cards.size());
    book.pnlToShonichi = std::to_string(getDaysToShonichi(date, book.shonichi()));

    const bool budget = parts == DayDisplayParts::All;
    const bool summary = parts != DayDisplayParts::EntriesAndMemo;
    clearUsedRows(book.GridShishutu, 0, 2);
    clearUsedRows(book.GridShuNyu, 0, 2);
    clearUsedRows(book.GridKoza, 0, 2);
    if (budget) clearUsedRows(book.GridYosan, 0, 2);
    if (summary) clearUsedRows(book.GridMatome, 1, 1);

    hideAllCombo(book);

    dispKiroku(card.spendList, book.GridShishutu);
    dispKiroku(card.incomeList, book.GridShuNyu);
    dispKiroku(card.accountList, book.GridKoza);
    if (budget) dispYosan(card.budgetList, book.GridYosan);
    if (summary) dispMatome(card.summaryList, book.GridMatome);

    book.Memo1 = memoToEditorText(card.memo);
}

}  // namespace kakeibo
