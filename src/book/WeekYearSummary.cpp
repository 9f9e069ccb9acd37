#include "book/WeekYearSummary.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <vector>

#include "book/SettingsApply.h"
#include "book/SheetLayouts.h"
#include "book/Stores.h"
#include "book/SummaryCells.h"
#include "messages/Messages.h"
#include "model/Dates.h"
#include "model/PeriodStore.h"
#include "sheets/AmountText.h"
#include "sheets/SheetOps.h"

namespace kakeibo {

namespace {

constexpr const char* kSpendTotalLabel = "支 出 合 計";
constexpr const char* kIncomeTotalLabel = "収 入 合 計";

// Row 1 of a week or year sheet is the totals row; categories start at row 2.
constexpr int kFirstCategoryRow = 2;

// Makes the cursor starting on start current, creating it when none has
// been visited.
void selectCursor(CursorList& list, Date start) {
    if (const auto found = list.find(start)) {
        list.setCurIndex(*found);
    } else {
        list.insert(start);
    }
}

void showCursor(const PeriodCursor& cursor, Sheet& spend, Sheet& income) {
    clearGridCols(spend, 0, spend.colCount() - 1);
    clearGridCols(income, 0, income.colCount() - 1);
    dispTable(cursor.spendTable, spend);
    dispTable(cursor.incomeTable, income);
}

void storeWeek(Book& book) {
    if (!book.weeks.empty()) storeTheWY(book.weeks.cur(), book.GridWeekShishutsu, book.GridWeekShuNyu);
}
void storeYear(Book& book) {
    if (!book.years.empty()) storeTheWY(book.years.cur(), book.GridYearShishutsu, book.GridYearShuNyu);
}

void showWeek(Book& book, Date date) { dispTheWY(book, kWeekMode, date); }
void showYear(Book& book, Date date) { dispTheWY(book, kYearMode, date); }

// Labels and row counts for a new summation of a week or year.
void prepareSheets(Book& book, Sheet& spend, Sheet& income, int lastCol) {
    clearGridCols(spend, 0, lastCol);
    clearGridCols(income, 0, lastCol);
    setKamokuToGrid(book, spend, 1);
    setShuNyuToWYGrid(book, income);
    spend.setCell(0, 1, kSpendTotalLabel);
    income.setCell(0, 1, kIncomeTotalLabel);
}

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

void dispTheWY(Book& book, int mode, Date date) {
    if (mode == kYearMode) {
        book.pnlYearYear = std::to_string(splitDate(date).year);
        selectCursor(book.years, getYearStart(date));
        showCursor(book.years.cur(), book.GridYearShishutsu, book.GridYearShuNyu);
        return;
    }
    const Date saturday = getWeekEnd(date);
    book.pnlYearWeek = std::to_string(splitDate(saturday).year);
    book.pnlWeekWeek = std::to_string(getWeekNumber(saturday));
    setWeekDayHeaders(book, date);
    selectCursor(book.weeks, getWeekStart(date));
    showCursor(book.weeks.cur(), book.GridWeekShishutsu, book.GridWeekShuNyu);
    book.pnlPageWeek = std::to_string(book.weeks.position(book.weeks.curIndex())) + " / " +
                       std::to_string(book.weeks.size());
}

// --- week -------------------------------------------------------------------

void btnGoPrevWeekClick(Book& book) {
    if (book.weeks.empty()) return;
    storeWeek(book);
    const int cur = book.weeks.curIndex();
    if (!book.weeks.hasPrev(cur)) {
        msgAtFirst(book.ui());
        return;
    }
    showWeek(book, book.weeks.at(cur - 1).start);
}

void btnGoNextWeekClick(Book& book) {
    if (book.weeks.empty()) return;
    storeWeek(book);
    const int cur = book.weeks.curIndex();
    if (!book.weeks.hasNext(cur)) {
        msgAtLast(book.ui());
        return;
    }
    showWeek(book, book.weeks.at(cur + 1).start);
}

void btnGoHeadWeekClick(Book& book) {
    if (book.weeks.empty()) return;
    storeWeek(book);
    showWeek(book, book.weeks.first().start);
}

void btnGoTailWeekClick(Book& book) {
    if (book.weeks.empty()) return;
    storeWeek(book);
    showWeek(book, book.weeks.last().start);
}

void btnGoThisWeekClick(Book& book) {
    storeWeek(book);
    showWeek(book, book.today());
}

void btnGoAnyWeekClick(Book& book) {
    const CalendarResult picked = book.ui().pickDate();
    if (!picked.ok) return;
    const bool inRange = picked.month >= 1 && picked.month <= 12 && picked.day >= 1 && picked.day <= 31;
    const auto date = inRange ? makeDate(picked.year, picked.month, picked.day) : std::nullopt;
    if (!date) {
        msgDateError(book.ui());
        return;
    }
    storeWeek(book);
    showWeek(book, *date);
}

void btnDeleteWeekClick(Book& book) {
    if (!confirmDelete(book.ui(), book.weeks.size() <= 1)) return;
    book.weeks.deleteCurrent();
    showWeek(book, book.weeks.cur().start);
}

void btnSumWeekClick(Book& book) {
    const HoldNotifications hold({&book.GridWeekShishutsu, &book.GridWeekShuNyu});
    prepareSheets(book, book.GridWeekShishutsu, book.GridWeekShuNyu, 9);
    summaryWeekBody(book);
    book.ui().beep();
}

void summaryWeekBody(Book& book) {
    if (book.weeks.empty()) return;
    const Date sunday = getWeekStart(book.weeks.cur().start);
    const Date saturday = getWeekEnd(sunday);
    const CardList& cards = book.cards;
    if (cards.empty() || cards.lastDate() < sunday || cards.firstDate() > saturday) {
        msgNoData(book.ui(), 0);
        return;
    }
    const auto [first, past] = cards.within(sunday, saturday);
    if (first == past) return;

    Sheet& spendSheet = book.GridWeekShishutsu;
    Sheet& incomeSheet = book.GridWeekShuNyu;
    const LabelRows spendRows(spendSheet, 0, kFirstCategoryRow, lastUsedRow(spendSheet));
    const LabelRows incomeRows(incomeSheet, 0, kFirstCategoryRow, lastUsedRow(incomeSheet));
    CellSums spend;
    CellSums income;
    for (int i = first; i < past; ++i) {
        const TIndex* card = &cards.read(i);
        const int col = weekday(card->date) + 2;  // Sunday 3 .. Saturday 9
        for (const TKiroku& line : card->spendList) {
            if (const auto row = spendRows.find(line.category)) spend.add(col, *row, line.amount);
        }
        for (const TKiroku& line : card->incomeList) {
            if (const auto row = incomeRows.find(line.category)) income.add(col, *row, line.amount);
        }
        // Account lines move money between the household's own pockets and
        // are not part of a week's spending or income.
    }
    spend.writeInto(spendSheet);
    income.writeInto(incomeSheet);
    sumTableTotals(spendSheet);
    sumTableTotals(incomeSheet);
}

void sumTableTotals(Sheet& sheet) {
    const int last = lastUsedRow(sheet);
    const int lastCol = sheet.colCount() - 1;
    constexpr int kFirstValueCol = 3;
    if (last < kFirstCategoryRow || lastCol < kFirstValueCol) {
        // No category rows: the totals row is all zeros and nothing is active.
        for (int col = 1; col <= lastCol; ++col) {
            if (col != 2) sheet.setCell(col, 1, amountToText(0));
        }
        return;
    }
    std::vector<long double> rowTotals(static_cast<std::size_t>(last + 1), 0);
    std::vector<long double> colTotals(static_cast<std::size_t>(lastCol + 1), 0);
    for (int row = kFirstCategoryRow; row <= last; ++row) {
        long double total = 0;
        for (int col = kFirstValueCol; col <= lastCol; ++col) {
            const long double value = cellAmount(sheet, col, row);
            total += value;
            colTotals[static_cast<std::size_t>(col)] += value;
        }
        rowTotals[static_cast<std::size_t>(row)] = total;
        colTotals[1] += total;
        sheet.setCell(1, row, amountToTextL(total));
    }
    rowTotals[1] = colTotals[1];
    // Column 2 is the average column: it holds averages, or nothing at all.
    for (int col = 1; col <= lastCol; ++col) {
        if (col != 2) sheet.setCell(col, 1, amountToTextL(colTotals[static_cast<std::size_t>(col)]));
    }
    const int activeColumns = countPlusCells(sheet, kFirstValueCol, 1);
    if (activeColumns <= 0) return;
    for (int row = 1; row <= last; ++row) {
        sheet.setCell(2, row, amountToTextL(rowTotals[static_cast<std::size_t>(row)] / activeColumns));
    }
}

// --- year -------------------------------------------------------------------

void btnGoPrevYearClick(Book& book) {
    if (book.years.empty()) return;
    storeYear(book);
    const int cur = book.years.curIndex();
    if (!book.years.hasPrev(cur)) {
        msgAtFirst(book.ui());
        return;
    }
    showYear(book, book.years.at(cur - 1).start);
}

void btnGoNextYearClick(Book& book) {
    if (book.years.empty()) return;
    storeYear(book);
    const int cur = book.years.curIndex();
    if (!book.years.hasNext(cur)) {
        msgAtLast(book.ui());
        return;
    }
    showYear(book, book.years.at(cur + 1).start);
}

void btnGoThisYearClick(Book& book) {
    storeYear(book);
    showYear(book, book.today());
}

void btnGoAnyYearClick(Book& book) {
    const YearMonthResult answer = book.ui().askYearMonth(false);
    if (!answer.ok) return;
    const auto january = makeDate(answer.year, 1, 1);
    if (!january) {
        msgDateError(book.ui());
        return;
    }
    storeYear(book);
    showYear(book, *january);
}

void btnSumYearClick(Book& book) {
    const HoldNotifications hold({&book.GridYearShishutsu, &book.GridYearShuNyu});
    prepareSheets(book, book.GridYearShishutsu, book.GridYearShuNyu, 14);
    summaryYearBody(book);
    book.ui().beep();
}

void summaryYearBody(Book& book) {
    const auto year = wholeNumber(book.pnlYearYear);
    const auto january = year ? makeDate(*year, 1, 1) : std::nullopt;
    const auto december = year ? makeDate(*year, 12, 1) : std::nullopt;
    if (!january || !december) {
        msgDateError(book.ui());
        return;
    }
    const auto& months = book.months.items();
    if (months.empty() || months.back().key < *january || months.front().key > *december) {
        msgNoData(book.ui(), 2);
        return;
    }
    auto record = std::lower_bound(months.begin(), months.end(), *january,
                                   [](const MonthRecord& m, Date d) { return m.key < d; });
    if (record == months.end() || record->key > *december) return;

    Sheet& spendSheet = book.GridYearShishutsu;
    Sheet& incomeSheet = book.GridYearShuNyu;
    const LabelRows spendRows(spendSheet, 0, kFirstCategoryRow, lastUsedRow(spendSheet));
    const LabelRows incomeRows(incomeSheet, 0, kFirstCategoryRow, lastUsedRow(incomeSheet));
    CellSums spend;
    CellSums income;
    for (; record != months.end() && record->key <= *december; ++record) {
        const int col = splitDate(record->key).month + 2;  // January 3 .. December 14
        for (const TYosan& row : record->spendList) {
            if (const auto target = spendRows.find(row.name)) spend.add(col, *target, row.amount1);
        }
        for (const TMatome& row : record->incomeList) {
            if (const auto target = incomeRows.find(row.name)) income.add(col, *target, row.amount);
        }
    }
    spend.writeInto(spendSheet);
    income.writeInto(incomeSheet);
    sumTableTotals(spendSheet);
    sumTableTotals(incomeSheet);
}

}  // namespace kakeibo
