#pragma once
// Comma- or tab-separated statements (RFC 4180: fields in double quotes may
// hold separators, line breaks and doubled quotes), read through libcsv in
// its strict mode. Each row keeps the file line it begins on, so a person
// is told where a bad row is; a row with broken quoting is reported and
// reading goes on with the next line.

#include <string>
#include <string_view>
#include <vector>

#include "exchange/ReadProblem.h"

namespace kakeibo {

struct CsvFormat {
    char separator = ',';  // ',' or '\t'
    int skipLines = 0;     // header lines at the top, read over
};

struct CsvRow {
    int line = 0;
    std::vector<std::string> fields;
    bool operator==(const CsvRow&) const = default;
};

struct CsvTable {
    std::vector<CsvRow> rows;
    std::vector<ReadProblem> problems;
};

// text is UTF-8 (or any encoding whose separators, quotes and line ends
// are the ASCII bytes). Empty lines make no rows.
CsvTable readCsv(std::string_view text, const CsvFormat& format);

// The lines of a text, each with its line end (CR LF, LF or a lone CR).
std::vector<std::string_view> physicalLines(std::string_view text);

}  // namespace kakeibo
