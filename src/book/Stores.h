#pragma once
// The store routines: copy a page's sheets back into the record the page
// shows, before anything reads that record or replaces the sheets.

#include "book/Book.h"

namespace kakeibo {

// The day sheets and the day memo into the current card.
void storeTheDay(Book& book);
// The month sheets and the month summary line into the current month record.
void storeTheMonth(Book& book);
// A week's or a year's two sheets into its cursor.
void storeTheWY(PeriodCursor& cursor, const Sheet& spend, const Sheet& income);
// The year sheets into the current year cursor, then the week sheets into
// the current week cursor, as a page change does.
void storeWeekAndYear(Book& book);

}  // namespace kakeibo
