#include "exchange/QifReader.h"

#include <optional>

#include "exchange/CsvReader.h"

namespace kakeibo {
namespace {

enum class Section { None, Money, Other, List };

std::string lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::string_view withoutLineEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    return line;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

Section sectionOf(std::string_view header) {
    const std::string h = lowered(trimmed(header));
    if (h == "!type:bank" || h == "!type:cash" || h == "!type:ccard") return Section::Money;
    if (h == "!account" || h == "!type:cat" || h == "!type:class" || h == "!type:memorized" ||
        h == "!type:prices" || h == "!type:security" || h == "!type:invitem" || h == "!type:template") {
        return Section::List;
    }
    if (h.rfind("!type:", 0) == 0) return Section::Other;
    return Section::None;  // !Option:..., !Clear:...: settings of the writer
}

// A repeated field (two M lines) keeps both texts.
void addTo(std::string& field, std::string_view value) {
    if (!field.empty() && !value.empty()) field += ' ';
    field += value;
}

class Reader {
public:
    QifFile file;

    void header(std::string_view line) {
        endRecord();
        const Section next = sectionOf(line);
        if (next == Section::None) return;
        section_ = next;
        sectionName_ = std::string(line);
    }

    void field(char letter, std::string_view value, int lineNumber) {
        if (!record_) {
            record_ = QifRecord{};
            record_->line = lineNumber;
        }
        QifRecord& r = *record_;
        switch (letter) {
            case 'D': r.date = value; break;
            case 'T': r.amount = value; hasT_ = true; break;
            case 'U': if (!hasT_) r.amount = value; break;
            case 'P': addTo(r.payee, value); break;
            case 'L': r.category = value; break;
            case 'M': addTo(r.memo, value); break;
            case 'S': r.splits.push_back(QifSplit{lineNumber, std::string(value), {}, {}}); break;
            case 'E': currentSplit(lineNumber).memo = value; break;
            case '$': currentSplit(lineNumber).amount = value; break;
            default: break;  // check number, cleared flag, address, ...: nothing the book keeps
        }
    }

    void endRecord() {
        if (!record_) return;
        switch (section_) {
            case Section::Money: file.records.push_back(std::move(*record_)); break;
            case Section::List: break;
            case Section::Other:
                file.problems.push_back(
                    ReadProblem{record_->line, "この種類の記録は取り込めません（" + sectionName_ + "）"});
                break;
            case Section::None:
                file.problems.push_back(
                    ReadProblem{record_->line, "「!Type:Bank」などの見出しより前にある記録です"});
                break;
        }
        record_.reset();
        hasT_ = false;
    }

private:
    // E and $ belong to the split an S began; without one they begin a
    // split without a category.
    QifSplit& currentSplit(int lineNumber) {
        QifRecord& r = *record_;
        if (r.splits.empty() || splitClosed(r.splits.back())) {
            r.splits.push_back(QifSplit{lineNumber, {}, {}, {}});
        }
        return r.splits.back();
    }
    // A split that has its amount is complete; a second $ starts the next.
    static bool splitClosed(const QifSplit& split) { return !split.amount.empty(); }

    Section section_ = Section::None;
    std::string sectionName_;
    std::optional<QifRecord> record_;
    bool hasT_ = false;
};

}  // namespace

QifFile readQif(std::string_view text) {
    Reader reader;
    const std::vector<std::string_view> lines = physicalLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i) + 1;
        const std::string_view content = trimmed(withoutLineEnd(lines[i]));
        if (content.empty()) continue;
        if (content.front() == '!') {
            reader.header(content);
        } else if (content.front() == '^') {
            reader.endRecord();
        } else {
            reader.field(content.front(), trimmed(content.substr(1)), lineNumber);
        }
    }
    // A last record without its "^" is taken all the same.
    reader.endRecord();
    return std::move(reader.file);
}

}  // namespace kakeibo
