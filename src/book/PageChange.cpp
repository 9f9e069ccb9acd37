#include "book/PageChange.h"

#include "book/MemoList.h"
#include "book/MonthSummary.h"
#include "book/Stores.h"
#include "book/WeekYearSummary.h"
#include "model/Dates.h"

namespace kakeibo {

void pageTopChange(Book& book, Page newPage) {
    storeTheDay(book);
    storeTheMonth(book);
    storeWeekAndYear(book);

    const Date shown = book.cards.curDate();
    if (newPage == Page::TabStat) {
        dispTheMonth(book, getMonthKey(shown, book.shonichi()));
        dispTheWY(book, 0, shown);
        dispTheWY(book, 1, shown);
    } else if (newPage == Page::TabMemo) {
        const Ymd ymd = splitDate(shown);
        dispMemoIchiran(book, ymd.year, ymd.month);
    }
}

}  // namespace kakeibo
