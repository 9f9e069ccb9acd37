#pragma once
// A statement file from its bytes to the book: how to read it (format,
// encoding, and for CSV the separator, header lines and columns), how to
// choose categories, and whether bad rows stop the import. The window's
// preview, its "取り込む" and the command line all go through here.

#include <optional>
#include <string>
#include <string_view>

#include "exchange/CsvMapping.h"
#include "exchange/ImportRun.h"
#include "exchange/Landing.h"
#include "exchange/StatementText.h"

namespace kakeibo {

enum class StatementFormat { Csv, Qif };

std::string_view formatName(StatementFormat format);  // "csv", "qif"
std::optional<StatementFormat> formatFromName(std::string_view name);
// QIF for a name ending in ".qif" (any case), CSV otherwise.
StatementFormat formatOfFileName(std::string_view path);

struct StatementOptions {
    StatementFormat format = StatementFormat::Csv;
    StatementEncoding encoding = StatementEncoding::Auto;
    CsvFormat csv;       // CSV only
    CsvColumns columns;  // CSV only
};

struct ImportRequest {
    StatementOptions statement;
    std::string defaultOut;
    std::string defaultIn;
    std::vector<Rule> rules;
    bool skipBad = false;
};

struct ReadStatement {
    StatementRows rows;
    StatementEncoding encoding = StatementEncoding::Utf8;  // the one the bytes were read in
};

ReadStatement readStatement(std::string_view bytes, const StatementOptions& options);

// What an import of the bytes would do; the book is not changed.
struct StatementPlan {
    ImportPlan plan;
    StatementEncoding encoding = StatementEncoding::Utf8;
};
StatementPlan planStatement(const Book& book, std::string_view bytes, const ImportRequest& request);

// The statement file's bytes, or nothing when it cannot be read (or is
// larger than any statement).
std::optional<std::string> readStatementFile(const std::string& path, FileLayer& files = systemFileLayer());

}  // namespace kakeibo
