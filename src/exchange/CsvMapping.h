#pragma once
// Which columns of a CSV statement hold what: the date, the description,
// and the amount as one signed column or as separate columns for money out
// and money in. Columns are counted from 1, as a person counts them.

#include <optional>
#include <string_view>

#include "exchange/CsvReader.h"
#include "exchange/DateForms.h"
#include "exchange/StatementRow.h"

namespace kakeibo {

// How a single amount column is signed: most banks write money out as a
// negative amount; card statements often write purchases as positive ones.
enum class AmountSign { OutNegative, InNegative };

struct CsvColumns {
    int date = 1;
    int text = 2;
    int amount = 3;  // one signed column; 0 when out and in are used
    AmountSign sign = AmountSign::OutNegative;
    int out = 0;  // money out, written as a positive amount
    int in = 0;   // money in
    DateForm dateForm = DateForm::Auto;
};

// The text of a problem with the columns themselves (a column 0, none for
// the amount), or nothing when they can be used.
std::optional<std::string> columnsProblem(const CsvColumns& columns);

// Every row of the table as a statement row, or as a bad row naming what
// could not be read. A row whose fields are all empty is read over; a row
// without an amount (both out and in empty or 0) becomes a row of amount 0.
StatementRows csvToRows(const CsvTable& table, const CsvColumns& columns);

}  // namespace kakeibo
