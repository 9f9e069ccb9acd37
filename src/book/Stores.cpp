#include "book/Stores.h"

#include "model/DayStore.h"
#include "model/PeriodStore.h"

namespace kakeibo {

// An empty list has no record the sheets belong to; the stores then leave
// it as it is rather than invent one.

void storeTheDay(Book& book) {
    if (book.cards.empty()) return;
    TIndex card;
    storeCard(card, book.GridShishutu, book.GridShuNyu, book.GridKoza, book.GridYosan, book.GridMatome, book.Memo1);
    // The same content as before keeps the card as it was read.
    book.cards.store(book.cards.curIndex(), std::move(card));
}

void storeTheMonth(Book& book) {
    if (book.months.empty()) return;
    storeMonthRecord(book.months.cur(), book.GridMonthShishutu, book.GridMonthShuNyu, book.GridMonthMatome,
                     book.GridMonthSum);
}

void storeTheWY(PeriodCursor& cursor, const Sheet& spend, const Sheet& income) {
    storeCursor(cursor, spend, income);
}

void storeWeekAndYear(Book& book) {
    if (!book.years.empty()) storeTheWY(book.years.cur(), book.GridYearShishutsu, book.GridYearShuNyu);
    if (!book.weeks.empty()) storeTheWY(book.weeks.cur(), book.GridWeekShishutsu, book.GridWeekShuNyu);
}

}  // namespace kakeibo
