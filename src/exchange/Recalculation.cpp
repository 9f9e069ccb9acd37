#include "exchange/Recalculation.h"

#include "book/DayCalculation.h"
#include "book/DayDisplay.h"
#include "exchange/BookCards.h"

namespace kakeibo {

void recalculateFrom(Book& book, std::optional<Date> from, Date shown) {
    if (book.cards.empty()) return;
    if (const auto start = from ? firstCardFrom(book, *from) : std::nullopt) {
        dispTheDay(book, *start);
        calcCurrentAndFollowing(book);
    }
    dispTheDay(book, hasCard(book, shown) ? shown : nearestCard(book, shown).value_or(shown));
}

}  // namespace kakeibo
