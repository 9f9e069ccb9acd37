#pragma once
// The weekly and yearly summary pages. A week (Sunday to Saturday) is
// summed from the day cards, a year from the month records of the fiscal
// months named January to December. Their tables are kept in week and year
// cursors while the program runs.

#include "book/Book.h"

namespace kakeibo {

inline constexpr int kWeekMode = 0;
inline constexpr int kYearMode = 1;

// Makes the cursor of the week (mode 0) or calendar year (mode 1) holding
// date current, creating it in date order when there is none, and shows it.
void dispTheWY(Book& book, int mode, Date date);

void btnGoPrevWeekClick(Book& book);
void btnGoNextWeekClick(Book& book);
void btnGoHeadWeekClick(Book& book);
void btnGoTailWeekClick(Book& book);
void btnGoThisWeekClick(Book& book);
// The week of a day picked on the calendar.
void btnGoAnyWeekClick(Book& book);
void btnDeleteWeekClick(Book& book);
void btnSumWeekClick(Book& book);
// Adds the day cards of the current week into the week sheets.
void summaryWeekBody(Book& book);

// Row totals (column 1), the totals row (row 1) and the averages (column 2)
// over the day or month columns whose total is above 0.
void sumTableTotals(Sheet& sheet);

void btnGoPrevYearClick(Book& book);
void btnGoNextYearClick(Book& book);
void btnGoThisYearClick(Book& book);
// A year asked for with the year-and-month dialog (month hidden); a year
// whose 1 January the calendar cannot hold is refused with the date error.
void btnGoAnyYearClick(Book& book);
void btnSumYearClick(Book& book);
// Adds the month records of the year in pnlYearYear into the year sheets.
void summaryYearBody(Book& book);

}  // namespace kakeibo
