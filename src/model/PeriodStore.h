#pragma once
// Copying between the summary sheets and the records that keep them: a
// fiscal month's four month sheets and its month record, a week's or a
// year's two tables and its period cursor.

#include <vector>

#include "model/Records.h"
#include "sheets/Sheet.h"

namespace kakeibo {

// The columns of the month summary line that hold the nine stored amounts,
// in the order of the record's fields; columns 4, 8 and 11 only separate.
inline constexpr int kMonthSumColumns[9] = {1, 2, 3, 5, 6, 7, 9, 10, 12};

// Replaces the record's rows and its nine amounts with the sheets' (its key stays).
void storeMonthRecord(MonthRecord& record, const Sheet& monthShishutu, const Sheet& monthShuNyu,
                      const Sheet& monthMatome, const Sheet& monthSum);

// Shows a month record: clears the row sheets' columns, writes the rows from
// row 1 and the nine amounts into row 1 of the summary line. A sheet with
// fewer rows than the record grows, so no stored row is hidden or lost.
void dispMonthRecord(const MonthRecord& record, Sheet& monthShishutu, Sheet& monthShuNyu, Sheet& monthMatome,
                     Sheet& monthSum);

// Rows 1 to the last used row: name, total and one cell for each column from
// 2 to the last. rows receives the number of rows taken.
std::vector<TSumTable> sheetToSumTable(const Sheet& sheet, int& rows);

// Replaces both tables of the cursor with the two sheets' (its start stays).
void storeCursor(PeriodCursor& cursor, const Sheet& spend, const Sheet& income);

// Writes the table from row 1 on; the caller clears the sheet beforehand.
// A table longer than the sheet's data rows grows the sheet.
void dispTable(const std::vector<TSumTable>& table, Sheet& sheet);

}  // namespace kakeibo
