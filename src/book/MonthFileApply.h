#pragma once
// The month records of the book to and from the month summary file.

#include <string>

#include "book/Book.h"
#include "storage/MonthFile.h"

namespace kakeibo {

// Replaces book.months with the records of the file (see buildMonthList).
// With no records (m = 0, or a fault before the first record) the list is
// one empty record for the fiscal month that contains today, so the book
// always has a month record.
ReadOutcome loadMonthsIntoBook(const std::string& path, Book& book, FileLayer& files = systemFileLayer());
// The same with the file read beforehand.
ReadOutcome loadMonthsIntoBook(MonthFileRead read, Book& book);

// The month list for the records read, as loadMonthsIntoBook builds it.
void setMonthsFromRecords(std::vector<MonthRecord> records, Book& book);

// Writes book.months; a failure is reported and gives false.
bool saveMonthsFromBook(const std::string& path, Book& book, FileLayer& files = systemFileLayer());

}  // namespace kakeibo
