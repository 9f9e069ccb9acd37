#pragma once
// A first mapping for a CSV statement no saved profile describes, read off
// its first lines: the separator the lines use most, the header lines
// before the first line with a date, and on that line the date column, the
// description (the first other text) and the amount (the first amount:
// a balance column comes after it).
// The person corrects it in the dialog; it only spares the typing.

#include <string_view>

#include "exchange/StatementImport.h"

namespace kakeibo {

// options with its separator, header lines and columns guessed (its
// encoding is used to read the bytes and kept).
StatementOptions guessCsvOptions(std::string_view bytes, StatementOptions options);

}  // namespace kakeibo
