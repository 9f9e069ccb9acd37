#include "exchange/CsvMapping.h"

#include "exchange/AmountForms.h"

namespace kakeibo {
namespace {

bool allEmpty(const CsvRow& row) {
    for (const std::string& field : row.fields) {
        for (char c : field) {
            if (c != ' ' && c != '\t') return false;
        }
    }
    return true;
}

// The field of a 1-based column, or nothing when the row is shorter.
const std::string* fieldAt(const CsvRow& row, int column) {
    if (column < 1 || static_cast<std::size_t>(column) > row.fields.size()) return nullptr;
    return &row.fields[static_cast<std::size_t>(column) - 1];
}

std::string missingColumn(int column) { return std::to_string(column) + " 列めがありません"; }

bool isBlank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

}  // namespace

std::optional<std::string> columnsProblem(const CsvColumns& c) {
    if (c.date < 1) return "日付の列を 1 以上で指定してください";
    if (c.text < 1) return "内容の列を 1 以上で指定してください";
    const bool single = c.amount >= 1;
    const bool split = c.out >= 1 && c.in >= 1;
    if (single == split) return "金額の列（1 列）か、支出と収入の列（2 列）のどちらかを指定してください";
    return std::nullopt;
}

StatementRows csvToRows(const CsvTable& table, const CsvColumns& columns) {
    StatementRows result;
    result.bad = table.problems;
    for (const CsvRow& row : table.rows) {
        if (allEmpty(row)) continue;
        auto bad = [&](std::string error) { result.bad.push_back(ReadProblem{row.line, std::move(error)}); };
        const std::string* dateText = fieldAt(row, columns.date);
        const std::string* text = fieldAt(row, columns.text);
        if (!dateText) {
            bad(missingColumn(columns.date));
            continue;
        }
        if (!text) {
            bad(missingColumn(columns.text));
            continue;
        }
        const auto date = readStatementDate(*dateText, columns.dateForm);
        if (!date) {
            bad(dateError(*dateText));
            continue;
        }
        double amount = 0;
        if (columns.amount >= 1) {
            const std::string* amountText = fieldAt(row, columns.amount);
            if (!amountText) {
                bad(missingColumn(columns.amount));
                continue;
            }
            const auto value = readStatementAmount(*amountText);
            if (!value) {
                bad(amountError(*amountText));
                continue;
            }
            amount = columns.sign == AmountSign::OutNegative ? *value : -*value;
        } else {
            // Banks leave the column of the other direction empty.
            bool readable = true;
            for (const auto& [column, sign] : {std::pair{columns.in, 1.0}, std::pair{columns.out, -1.0}}) {
                const std::string* amountText = fieldAt(row, column);
                if (!amountText || isBlank(*amountText)) continue;
                const auto value = readStatementAmount(*amountText);
                if (!value) {
                    bad(amountError(*amountText));
                    readable = false;
                    break;
                }
                amount += sign * *value;
            }
            if (!readable) continue;
        }
        result.rows.push_back(StatementRow{row.line, *date, *text, amount, {}, {}});
    }
    sortByLine(result.bad);
    return result;
}

}  // namespace kakeibo
