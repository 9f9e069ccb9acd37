#include "exchange/StatementImport.h"

#include "exchange/QifRows.h"

namespace kakeibo {

std::string_view formatName(StatementFormat format) { return format == StatementFormat::Qif ? "qif" : "csv"; }

std::optional<StatementFormat> formatFromName(std::string_view name) {
    if (name == "csv") return StatementFormat::Csv;
    if (name == "qif") return StatementFormat::Qif;
    return std::nullopt;
}

StatementFormat formatOfFileName(std::string_view path) {
    if (path.size() < 4) return StatementFormat::Csv;
    std::string ext(path.substr(path.size() - 4));
    for (char& c : ext) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return ext == ".qif" ? StatementFormat::Qif : StatementFormat::Csv;
}

ReadStatement readStatement(std::string_view bytes, const StatementOptions& options) {
    StatementText text = decodeStatement(bytes, options.encoding);
    ReadStatement result;
    result.encoding = text.encoding;
    if (options.format == StatementFormat::Qif) {
        result.rows = qifToRows(readQif(text.text));
    } else {
        result.rows = csvToRows(readCsv(text.text, options.csv), options.columns);
    }
    return result;
}

StatementPlan planStatement(const Book& book, std::string_view bytes, const ImportRequest& request) {
    ReadStatement read = readStatement(bytes, request.statement);
    const ImportChoices choices{request.defaultOut, request.defaultIn, RuleSet(request.rules)};
    return StatementPlan{planImport(book, read.rows, choices), read.encoding};
}

std::optional<std::string> readStatementFile(const std::string& path, FileLayer& files) {
    return readFileUpTo(path, kMaxStatementBytes, files);
}

}  // namespace kakeibo
