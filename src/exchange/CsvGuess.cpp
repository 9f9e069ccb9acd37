#include "exchange/CsvGuess.h"

#include <algorithm>

#include "exchange/AmountForms.h"
#include "exchange/CsvReader.h"
#include "exchange/DateForms.h"

namespace kakeibo {
namespace {

// Enough lines for a few header lines and the first rows.
constexpr std::size_t kLinesLooked = 20;
constexpr int kMostHeaderLines = 10;

char likelySeparator(const std::vector<std::string_view>& lines) {
    int tabs = 0, commas = 0;
    for (std::size_t i = 0; i < lines.size() && i < kLinesLooked; ++i) {
        if (lines[i].find('\t') != std::string_view::npos) ++tabs;
        if (lines[i].find(',') != std::string_view::npos) ++commas;
    }
    return tabs > commas ? '\t' : ',';
}

bool isBlank(const std::string& field) { return field.find_first_not_of(" \t") == std::string::npos; }

}  // namespace

StatementOptions guessCsvOptions(std::string_view bytes, StatementOptions options) {
    const StatementText text = decodeStatement(bytes, options.encoding);
    const std::vector<std::string_view> lines = physicalLines(text.text);
    options.csv.separator = likelySeparator(lines);
    const CsvTable table = readCsv(text.text, CsvFormat{options.csv.separator, 0});
    for (std::size_t r = 0; r < table.rows.size() && r < kLinesLooked; ++r) {
        const CsvRow& row = table.rows[r];
        if (row.line - 1 > kMostHeaderLines) break;
        const auto& fields = row.fields;
        const auto date = std::find_if(fields.begin(), fields.end(),
                                       [](const std::string& f) { return readStatementDate(f).has_value(); });
        if (date == fields.end()) continue;
        CsvColumns columns = options.columns;
        columns.date = static_cast<int>(date - fields.begin()) + 1;
        columns.text = 0;
        columns.amount = 0;
        columns.out = 0;
        columns.in = 0;
        for (std::size_t c = 0; c < fields.size(); ++c) {
            const int column = static_cast<int>(c) + 1;
            if (column == columns.date || isBlank(fields[c])) continue;
            if (readStatementAmount(fields[c])) {
                // The first amount: a balance, when there is one, comes after.
                if (columns.amount == 0) columns.amount = column;
            } else if (columns.text == 0) {
                columns.text = column;
            }
        }
        if (columns.text == 0 || columns.amount == 0) continue;
        options.csv.skipLines = row.line - 1;
        options.columns = columns;
        return options;
    }
    return options;
}

}  // namespace kakeibo
