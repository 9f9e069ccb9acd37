#include "exchange/Rules.h"

#include "exchange/CsvReader.h"
#include "exchange/StatementText.h"
#include "text/TextFolding.h"

namespace kakeibo {

namespace {

constexpr const char* kHalfRule = "文字か分類が空です";

// Spaces around a rule's text are a slip of typing, never what it looks for.
std::string trimmedSpaces(std::string text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

RuleSet::RuleSet(std::vector<Rule> rules) : rules_(std::move(rules)) {
    folded_.reserve(rules_.size());
    // Folding makes the ideographic space a plain one.
    for (const Rule& rule : rules_) folded_.push_back(trimmedSpaces(foldForMatching(rule.text)));
}

const std::string* RuleSet::match(std::string_view description) const {
    if (rules_.empty()) return nullptr;
    const std::string folded = foldForMatching(description);
    for (std::size_t i = 0; i < rules_.size(); ++i) {
        // A rule whose text is only spaces would take every row.
        if (!folded_[i].empty() && foldedContains(folded, folded_[i])) return &rules_[i].category;
    }
    return nullptr;
}

RulesText readRulesText(std::string_view text) {
    RulesText result;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    if (!isValidUtf8(text)) {
        result.problems.push_back(ReadProblem{1, "UTF-8 のテキストではありません"});
        return result;
    }
    const std::vector<std::string_view> lines = physicalLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
        if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
        const int lineNumber = static_cast<int>(i) + 1;
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) {
            result.problems.push_back(ReadProblem{lineNumber, "文字と分類の間にタブがありません"});
            continue;
        }
        Rule rule{std::string(line.substr(0, tab)), std::string(line.substr(tab + 1))};
        if (rule.text.empty() || rule.category.empty()) {
            result.problems.push_back(ReadProblem{lineNumber, kHalfRule});
            continue;
        }
        result.rules.push_back(std::move(rule));
    }
    return result;
}

RulesText rulesFromRows(const std::vector<Rule>& rows) {
    RulesText result;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        Rule rule{trimmedSpaces(rows[i].text), trimmedSpaces(rows[i].category)};
        if (rule.text.empty() && rule.category.empty()) continue;
        if (rule.text.empty() || rule.category.empty()) {
            result.problems.push_back(ReadProblem{static_cast<int>(i) + 1, kHalfRule});
            continue;
        }
        result.rules.push_back(std::move(rule));
    }
    return result;
}

}  // namespace kakeibo
