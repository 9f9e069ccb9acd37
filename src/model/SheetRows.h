#pragma once
// How far the stored lines of a sheet reach, and room for the lines of a
// record about to be shown. Shared by the day and the period stores.

#include "sheets/Sheet.h"

namespace kakeibo {

// The number of data lines (rows 1..n) a store takes from the sheet: up to
// the last used row, blank rows in between included. A sheet holding no
// text at all, not even a header, has no data lines.
int storedLineCount(const Sheet& sheet);

// Grows the sheet so that rows 1..lines exist; rows it uncovers are emptied
// first, so no text left there by an earlier, larger record shows again.
// A sheet already large enough keeps its row count.
void ensureDataRows(Sheet& sheet, int lines);

}  // namespace kakeibo
