#include "exchange/CsvReader.h"

#include <csv.h>

#include <memory>

namespace kakeibo {
namespace {

constexpr const char* kBrokenQuotes = "引用符（\"）の使い方が正しくありません";
constexpr const char* kUnclosedQuote = "引用符（\"）が閉じられていません";

int spaceOnly(unsigned char c) { return c == ' ' ? 1 : 0; }
int spaceOrTab(unsigned char c) { return c == ' ' || c == '\t' ? 1 : 0; }

// What the callbacks build while libcsv reads.
struct Collector {
    CsvTable table;
    std::vector<std::string> fields;
    int rowStart = 0;  // the line the row being read began on; 0 between rows

    void dropRow() {
        fields.clear();
        rowStart = 0;
    }
};

void onField(void* data, std::size_t length, void* context) {
    auto& c = *static_cast<Collector*>(context);
    if (data) {
        c.fields.emplace_back(static_cast<const char*>(data), length);
    } else {
        c.fields.emplace_back();
    }
}

void onRow(int, void* context) {
    auto& c = *static_cast<Collector*>(context);
    c.table.rows.push_back(CsvRow{c.rowStart, std::move(c.fields)});
    c.dropRow();
}

// One libcsv parser, freed however reading ends.
class Parser {
public:
    explicit Parser(char separator) : separator_(separator) { start(); }
    ~Parser() { csv_free(&parser_); }
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;

    // A parser that met broken quoting keeps its state; a new one reads on.
    void restart() {
        csv_free(&parser_);
        start();
    }
    bool parse(std::string_view bytes, Collector& c) {
        return csv_parse(&parser_, bytes.data(), bytes.size(), onField, onRow, &c) == bytes.size();
    }
    bool finish(Collector& c) { return csv_fini(&parser_, onField, onRow, &c) == 0; }

private:
    void start() {
        csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI);
        csv_set_delim(&parser_, static_cast<unsigned char>(separator_));
        // Spaces around an unquoted field are read over; a tab is a
        // separator when the file is tab-separated, never a space.
        csv_set_space_func(&parser_, separator_ == '\t' ? spaceOnly : spaceOrTab);
    }

    char separator_;
    csv_parser parser_{};
};

bool hasContent(std::string_view line, char separator) {
    for (char c : line) {
        if (c == '\r' || c == '\n' || c == ' ') continue;
        if (c == '\t' && separator != '\t') continue;
        return true;
    }
    return false;
}

}  // namespace

std::vector<std::string_view> physicalLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t begin = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        lines.push_back(text.substr(begin, i + 1 - begin));
        begin = i + 1;
    }
    if (begin < text.size()) lines.push_back(text.substr(begin));
    return lines;
}

CsvTable readCsv(std::string_view text, const CsvFormat& format) {
    Collector c;
    Parser parser(format.separator);
    const std::vector<std::string_view> lines = physicalLines(text);
    // Lines are given to libcsv one at a time, so that every row knows the
    // line it began on and broken quoting costs one row, not the file.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i) + 1;
        if (lineNumber <= format.skipLines) continue;
        if (c.rowStart == 0 && hasContent(lines[i], format.separator)) c.rowStart = lineNumber;
        if (!parser.parse(lines[i], c)) {
            c.table.problems.push_back(ReadProblem{c.rowStart ? c.rowStart : lineNumber, kBrokenQuotes});
            c.dropRow();
            parser.restart();
        }
    }
    if (!parser.finish(c)) {
        c.table.problems.push_back(ReadProblem{c.rowStart, kUnclosedQuote});
        c.dropRow();
    }
    return std::move(c.table);
}

}  // namespace kakeibo
