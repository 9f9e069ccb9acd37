#include "book/MonthFileApply.h"

#include "model/Dates.h"

namespace kakeibo {

void setMonthsFromRecords(std::vector<MonthRecord> records, Book& book) {
    book.months = buildMonthList(std::move(records), getMonthKey(book.today(), book.shonichi()));
}

ReadOutcome loadMonthsIntoBook(const std::string& path, Book& book, FileLayer& files) {
    return loadMonthsIntoBook(readMonthFile(path, files), book);
}

ReadOutcome loadMonthsIntoBook(MonthFileRead read, Book& book) {
    const ReadOutcome outcome = reportMonthFileRead(read, book.ui());
    setMonthsFromRecords(std::move(read.records), book);
    return outcome;
}

bool saveMonthsFromBook(const std::string& path, Book& book, FileLayer& files) {
    return saveMonthFile(path, book.months, book.ui(), files);
}

}  // namespace kakeibo
