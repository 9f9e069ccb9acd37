#include "model/PeriodStore.h"

#include <array>

#include "model/DayStore.h"
#include "model/SheetRows.h"
#include "sheets/AmountText.h"
#include "sheets/SheetOps.h"

namespace kakeibo {

namespace {

// The record's nine amounts, in the order of kMonthSumColumns.
template <class Record>
auto monthAmounts(Record& r) {
    return std::array{&r.totalSpend,     &r.totalIncome, &r.balance,      &r.cashTotal,      &r.accountTotal,
                      &r.householdTotal, &r.savings,     &r.unpaidCredit, &r.householdChange};
}

}  // namespace

void storeMonthRecord(MonthRecord& record, const Sheet& monthShishutu, const Sheet& monthShuNyu,
                      const Sheet& monthMatome, const Sheet& monthSum) {
    record.spendList = sheetToYosan(monthShishutu);
    record.incomeList = sheetToMatome(monthShuNyu);
    record.summaryList = sheetToMatome(monthMatome);
    const auto amounts = monthAmounts(record);
    for (std::size_t i = 0; i < amounts.size(); ++i) {
        *amounts[i] = textToAmount(monthSum.cell(kMonthSumColumns[i], 1));
    }
}

void dispMonthRecord(const MonthRecord& record, Sheet& monthShishutu, Sheet& monthShuNyu, Sheet& monthMatome,
                     Sheet& monthSum) {
    clearGridCols(monthShishutu, 0, 2);
    clearGridCols(monthShuNyu, 0, 1);
    clearGridCols(monthMatome, 0, 1);
    dispYosan(record.spendList, monthShishutu);
    dispMatome(record.incomeList, monthShuNyu);
    dispMatome(record.summaryList, monthMatome);
    ensureDataRows(monthSum, 1);
    const auto amounts = monthAmounts(record);
    for (std::size_t i = 0; i < amounts.size(); ++i) {
        monthSum.setCell(kMonthSumColumns[i], 1, amountToText(*amounts[i]));
    }
}

std::vector<TSumTable> sheetToSumTable(const Sheet& sheet, int& rows) {
    std::vector<TSumTable> table;
    rows = storedLineCount(sheet);
    table.reserve(static_cast<std::size_t>(rows));
    for (int r = 1; r <= rows; ++r) {
        TSumTable row;
        row.name = sheet.cell(0, r);
        row.total = textToAmount(sheet.cell(1, r));
        for (int col = 2; col < sheet.colCount(); ++col) {
            row.cells.push_back(SumCell{textToAmount(sheet.cell(col, r))});
        }
        table.push_back(std::move(row));
    }
    return table;
}

void storeCursor(PeriodCursor& cursor, const Sheet& spend, const Sheet& income) {
    cursor.spendTable = sheetToSumTable(spend, cursor.spendRows);
    cursor.incomeTable = sheetToSumTable(income, cursor.incomeRows);
}

void dispTable(const std::vector<TSumTable>& table, Sheet& sheet) {
    ensureDataRows(sheet, static_cast<int>(table.size()));
    int row = 1;
    for (const TSumTable& line : table) {
        sheet.setCell(0, row, line.name);
        sheet.setCell(1, row, amountToText(line.total));
        int col = 2;
        for (const SumCell& cell : line.cells) sheet.setCell(col++, row, amountToText(cell.value));
        ++row;
    }
}

}  // namespace kakeibo
