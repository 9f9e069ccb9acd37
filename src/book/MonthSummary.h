#pragma once
// The monthly summary page: one fiscal month at a time, kept as a month
// record under its key date. Showing a record never stores; every command
// that leaves the shown record or recomputes it stores it first.

#include "book/Book.h"

namespace kakeibo {

// Makes the record of keyDate current (creating an empty one in date order
// when there is none) and shows it.
void dispTheMonth(Book& book, Date keyDate);
// Fills the header panels, the page position and the month sheets from the
// current record.
void dispTheMonthBody(Book& book, Date keyDate);

void btnGoPrevMonthClick(Book& book);
void btnGoNextMonthClick(Book& book);
void btnGoThisMonthClick(Book& book);
// Asks for a year and a month; a month outside 1..12 or a year the calendar
// cannot hold is refused with the date error.
void btnGoAnyMonthClick(Book& book);
void btnDeleteMonthClick(Book& book);

// The summation of the shown fiscal month, stored into its record.
void btnSumMonthClick(Book& book);
// Adds the day cards of the current record's fiscal month into the month
// sheets and writes the opening balances into the summary line.
void summaryBody(Book& book);
// The totals, the per-account lines and the closing balances, from the
// summed sheets and the opening balances on the summary line.
void monthTotals(Book& book);

}  // namespace kakeibo
