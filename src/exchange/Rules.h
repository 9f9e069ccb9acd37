#pragma once
// Rules choose the category of an imported row by its description: the
// first rule whose text occurs in the description wins. Both are compared
// folded as the search folds them (NFKC, case, hiragana as katakana), so a
// rule "ｾﾌﾞﾝ" finds "セブン－イレブン" and "ｽﾀｰﾊﾞｯｸｽ" finds "スターバックス".

#include <string>
#include <string_view>
#include <vector>

#include "exchange/ReadProblem.h"

namespace kakeibo {

struct Rule {
    std::string text;
    std::string category;
    bool operator==(const Rule&) const = default;
};

class RuleSet {
public:
    RuleSet() = default;
    explicit RuleSet(std::vector<Rule> rules);

    // The category of the first rule found in description, or nullptr.
    const std::string* match(std::string_view description) const;
    const std::vector<Rule>& rules() const { return rules_; }

private:
    std::vector<Rule> rules_;
    std::vector<std::string> folded_;  // each rule's text, folded
};

// A rules text file: UTF-8, one rule a line, TEXT<TAB>CATEGORY. Empty lines
// are read over; a line without a tab, or with an empty text or category, is
// a problem (a rule with an empty text would take every row).
struct RulesText {
    std::vector<Rule> rules;
    std::vector<ReadProblem> problems;
};
RulesText readRulesText(std::string_view text);

// The rules as a table holds them, one a row: a row left empty is read
// over; a row with only its text or only its category is a problem (its
// line the 1-based row), since half a rule either takes every row or
// names no category.
RulesText rulesFromRows(const std::vector<Rule>& rows);

}  // namespace kakeibo
