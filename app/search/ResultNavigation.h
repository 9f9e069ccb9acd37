#pragma once
// From a search result to its place in the main window: the card on the
// daily-record page with the row's cell (or the memo line) selected, the
// credit record on its row, or the notes page on its line. Moving to a
// card stores the shown one first, as every move does.

#include "search/SearchResult.h"

namespace kakeibo::shell {

class TForm1;

// False, with nothing moved, when the result's card or credit row is no
// longer in the book.
bool showResultInWindow(TForm1& form, const SearchMatch& match);

}  // namespace kakeibo::shell
