#include "book/DayNavigation.h"

#include "book/DayDisplay.h"
#include "book/Stores.h"
#include "messages/Messages.h"

namespace kakeibo {

void btnGoHeadClick(Book& book) {
    storeTheDay(book);
    dispTheDay(book, book.cards.firstDate());
}

void btnGoTailClick(Book& book) {
    storeTheDay(book);
    dispTheDay(book, book.cards.lastDate());
}

void btnGoPrevClick(Book& book) {
    storeTheDay(book);
    const int cur = book.cards.curIndex();
    if (!book.cards.hasPrev(cur)) {
        msgAtFirst(book.ui());
        return;
    }
    dispTheDay(book, book.cards.date(cur - 1));
}

void btnGoNextClick(Book& book) {
    storeTheDay(book);
    const int cur = book.cards.curIndex();
    if (!book.cards.hasNext(cur)) {
        msgAtLast(book.ui());
        return;
    }
    dispTheDay(book, book.cards.date(cur + 1));
}

void btnGoTodayClick(Book& book) {
    storeTheDay(book);
    dispTheDay(book, book.today());
}

void btnGoAnyDayClick(Book& book) {
    const CalendarResult chosen = book.ui().pickDate();
    if (!chosen.ok) return;
    if (chosen.month < 1 || chosen.month > 12 || chosen.day < 1 || chosen.day > 31) {
        msgDateError(book.ui());
        return;
    }
    const auto date = makeDate(chosen.year, chosen.month, chosen.day);
    if (!date) {
        msgDateError(book.ui());
        return;
    }
    storeTheDay(book);
    dispTheDay(book, *date);
}

void btnDeleteClick(Book& book) {
    if (!confirmDelete(book.ui(), book.cards.size() <= 1)) return;
    book.cards.deleteCurrent();
    dispTheDay(book, book.cards.curDate());
}

}  // namespace kakeibo
