#pragma once
// Showing a day card on the daily-record page: the header panels, the five
// day sheets and the memo. Showing never stores; callers that leave a card
// store it first.

#include <optional>

#include "book/Book.h"

namespace kakeibo {

// The index of the card of exactly that date, or nothing. The card list is
// in strictly ascending date order, so this looks next to the current card
// first (where moves go) and otherwise halves the list.
std::optional<int> findCardIndex(const Book& book, Date date);

// Makes the card of date current, creating an empty one in date order when
// there is none, and shows it.
void dispTheDay(Book& book, Date date);
enum class DayDisplayParts {
    All,
    // For a card about to be calculated: its calculation rebuilds the budget
    // sheet whole, so that sheet is left as it is.
    AllButBudget,
    // The same, and the summary sheet too, for a calculation that rewrites
    // every one of its rows (a source card with all summary rows, and a card
    // with no more rows than the sheet).
    EntriesAndMemo,
};

// Fills the panels, the sheets and the memo from the current card, whose
// date is date. A card holding more lines than a sheet has rows grows that
// sheet, so every stored line is shown and stored again.
void dispTheDayBody(Book& book, Date date, DayDisplayParts parts = DayDisplayParts::All);

}  // namespace kakeibo
