#pragma once
// Realistic household books of any length, for benchmarks and load tests:
// one card a day with Japanese item and category texts, budget and summary
// rows as a calculation leaves them, a short memo, credit rows and one
// month record per month. The same years and seed give the same book.

#include <string>
#include <vector>

#include "model/Records.h"
#include "storage/DataFile.h"

namespace kakeibo {

// About 365 cards a year (~7,300 for 20 years), each with ~10 spending,
// ~2 income and ~1 account lines, 40 budget rows, 19 summary rows and a
// short memo; two or three credit rows a month. Rows 4 to 7 of the summary
// (cash, accounts, household, savings) run on from card to card as a
// household's balances do.
DataImage generateBook(int years = 20, unsigned seed = 1);

// One month record a month: ~40 spending rows, ~10 income, ~15 summary.
std::vector<MonthRecord> generateMonths(int years = 20, unsigned seed = 1);

// Writes a program folder's data file and month summary file for a book of
// that many years into folder (which must exist). False when a write failed.
bool writeProgramFolder(const std::string& folder, int years = 20, unsigned seed = 1);

// The same for a book of one day: the last card of a generated year and the
// month record of its month, as a person has after the first evening.
bool writeOneCardFolder(const std::string& folder, unsigned seed = 1);

}  // namespace kakeibo
