#include "search/SearchJump.h"

#include "book/DayDisplay.h"
#include "book/Stores.h"
#include "search/SearchSource.h"
#include "sheets/SheetOps.h"

namespace kakeibo {

Sheet* sheetOfPlace(Book& book, SearchPlace place) {
    switch (place) {
        case SearchPlace::Spend: return &book.GridShishutu;
        case SearchPlace::Income: return &book.GridShuNyu;
        case SearchPlace::Account: return &book.GridKoza;
        default: return nullptr;
    }
}

bool showResultCard(Book& book, const SearchMatch& match) {
    if (!match.date || !findCardIndex(book, *match.date)) return false;
    storeTheDay(book);
    dispTheDay(book, *match.date);
    if (Sheet* sheet = sheetOfPlace(book, match.place); sheet && match.row < sheet->rowCount()) {
        sheet->setCurrentCell(0, match.row);
    }
    return true;
}

bool selectCreditResult(Book& book, const SearchMatch& match) {
    Sheet& credit = book.GridCredit;
    if (match.row < credit.fixedRows() || match.row > lastUsedRow(credit) || match.row >= credit.rowCount()) {
        return false;
    }
    credit.setCurrentCell(static_cast<int>(kCreditItemCol), match.row);
    return true;
}

}  // namespace kakeibo
