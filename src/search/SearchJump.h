#pragma once
// Going from a search result to where it lives in the book. The book's part
// of the move; the window shows the page and puts the focus on the cell.

#include "book/Book.h"
#include "search/SearchResult.h"

namespace kakeibo {

// The sheet of the day page that holds an entry line of a place (nullptr
// for the places that are no entry lines).
Sheet* sheetOfPlace(Book& book, SearchPlace place);

// Shows the card of a card result (entry line or memo line) on the day
// page, the shown card stored first as every move does, and makes column 0
// of an entry line's row the current cell of its sheet. False, with nothing
// stored or moved, when the book holds no card of that date any more: a
// result never makes a card.
bool showResultCard(Book& book, const SearchMatch& match);

// Makes the item cell of a credit result's row the current cell of the
// credit sheet. False when the sheet no longer has that row.
bool selectCreditResult(Book& book, const SearchMatch& match);

}  // namespace kakeibo
