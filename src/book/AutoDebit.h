#pragma once
// Automatic bank debits: on a debit day, the account settings' debit lines
// are written into today's spending sheet at start-up, once each; with the
// weekend option, Saturday's and Sunday's wait for Monday.

#include <vector>

#include "book/Book.h"

namespace kakeibo {

// The days of the month served today, in order: today's; on a Monday with
// the weekend option also yesterday's and the day before's (the previous
// month's last days on the 1st or 2nd); none on a weekend with the option.
std::vector<int> debitDaysToServe(Date today, bool weekendShift);

// Every named account in order 0..3, when automatic debits are on and
// today's card is the one shown.
void putKozaExpense(Book& book);
// One account settings sheet: its rows whose debit day (column 2, plain
// digits) is a day served today.
void putKozaExpenseBody(Book& book, const Sheet& kozaSettings);
// Writes row i's category (column 0) and amount text (column 1) below the
// last used spending line, unless a line with both texts is already there.
// A sheet whose last row is in use grows by one row: no debit is dropped.
void copyKozaExpense(Book& book, const Sheet& kozaSettings, int row);

}  // namespace kakeibo
