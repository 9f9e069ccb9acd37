#pragma once
// The layouts of all 28 sheets of the household book: size, fixed rows and
// columns, column widths, editable and Tab flags, header and label texts.
// Amount columns are exactly 72 pixels wide and no other column is, since
// the cell painter and the key filter recognise amounts by that width alone.

#include "book/Book.h"
#include "model/Dates.h"

namespace kakeibo {

// Lays out every sheet. Run once at start-up after the preferences file has
// been read (some labels hold the account names) and before the settings are
// applied, which then set the row counts that depend on them. Only header
// and label cells are written; the settings cells read from the file stay.
void setupAllGrids(Book& book);

// Widths, headers and row labels of the day summary sheet. The account rows
// sit at fixed places (12 + 2k, 13 + 2k); those of an unnamed account are
// emptied. Re-run by every day calculation so a renamed account shows at once.
void setupMatomeGrid(Book& book);

// The seven date headers (Sunday..Saturday of the week of date) of both week
// sheets, row 0, columns 3..9.
void setWeekDayHeaders(Book& book, Date date);

// The labels of the month summary sheet, the named accounts packed from row 4
// on, three rows each. The monthly summation empties the sheet beforehand.
void setMonthMatomeLabels(Book& book);

}  // namespace kakeibo
