#pragma once
// What the command-line tool prints: pages of the book and the contents of
// the four files, as JSON.

#include <string>

#include <nlohmann/json.hpp>

#include "book/Book.h"
#include "messages/UiPort.h"

namespace kakeibo::cli {

using Json = nlohmann::ordered_json;

// An amount in the output: whole yen as an integer, so 1500 is not 1500.0.
Json amountJson(double amount);

enum class PageKind { Day, Month, Week, Year };

// {"panels": {...}, "sheets": {NAME: [[cell, ...], ...]}, "memo": TEXT}; each
// sheet as its rows 0 to its last used row, each row all its columns. Only
// the day page has a memo.
Json pageJson(Book& book, PageKind page);

// The four files of folder as they stand, read without changing anything;
// a file that does not exist gives null. Read failures are reported to ui,
// and what was read before a fault is printed.
Json dumpJson(const std::string& folder, UiPort& ui);

}  // namespace kakeibo::cli
