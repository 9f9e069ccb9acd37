#pragma once
// The import's one way to the day cards: finding a card's lines and memo,
// making the cards a statement needs, adding and taking back lines and memo
// lines. Nothing else in the import touches the card list, so how cards
// are kept (and when they are decoded) matters in this file alone.
//
// Every change here is made on the cards with the day sheets stored
// beforehand; the caller shows a card afterwards.

#include <optional>
#include <string>
#include <vector>

#include "book/Book.h"
#include "exchange/BookCategories.h"

namespace kakeibo {

// The lines of the card of date on a sheet, or nullptr when there is no card.
const std::vector<TKiroku>* cardLines(const Book& book, Date date, LandingSheet sheet);
// The memo of the card of date (lines each followed by CR LF), or nullptr.
const std::string* cardMemo(const Book& book, Date date);
bool hasCard(const Book& book, Date date);
// The date of the first card on or after date.
std::optional<Date> firstCardFrom(const Book& book, Date date);
// The date of the card nearest before date, or else after it.
std::optional<Date> nearestCard(const Book& book, Date date);

// Makes empty cards for the dates that have none, in date order, in one
// pass over the list; the current card stays current. Returns the dates
// made, in order.
std::vector<Date> createCards(Book& book, std::vector<Date> dates);

// The line after the card's last line; the card must exist.
void appendLine(Book& book, Date date, LandingSheet sheet, TKiroku line);
// One line at the end of the card's memo.
void appendMemoLine(Book& book, Date date, const std::string& line);

// Takes away one line equal to line: the one at row (1-based) when it is
// still that line, else the last equal one. False when the card has none.
bool removeLine(Book& book, Date date, LandingSheet sheet, int row, const TKiroku& line);
// Takes away the last memo line equal to line. False when there is none.
bool removeMemoLine(Book& book, Date date, const std::string& line);
// Takes away the card of date when it holds no entry line and no memo
// (its budget and summary rows are the calculation's, not a person's) and
// is not the only card. True when it was taken away.
bool removeCardIfEmpty(Book& book, Date date);

}  // namespace kakeibo
