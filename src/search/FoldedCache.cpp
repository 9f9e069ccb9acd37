#include "search/FoldedCache.h"

#include "search/SearchSource.h"

namespace kakeibo {

namespace {

void appendLinesKey(std::string& key, const std::vector<TKiroku>& lines) {
    appendKeyCount(key, lines.size());
    for (const TKiroku& line : lines) {
        appendKeyText(key, line.item);
        appendKeyText(key, line.category);
    }
}

void addLines(FoldedBlock& block, SearchPlace place, const std::vector<TKiroku>& lines) {
    int row = 0;
    for (const TKiroku& line : lines) block.add(place, ++row, line.item, line.category);
}

// Blank lines can never hold a needle and never match an empty one.
void addTextLines(FoldedBlock& block, SearchPlace place, std::string_view text) {
    forEachTextLine(text, [&](int number, std::string_view line) {
        if (!isBlankText(line)) block.add(place, number, line);
    });
}

}  // namespace

bool isBlankText(std::string_view text) {
    static constexpr std::string_view kIdeographicSpace = "\u3000";
    while (!text.empty()) {
        if (text.front() == ' ' || text.front() == '\t') {
            text.remove_prefix(1);
        } else if (text.starts_with(kIdeographicSpace)) {
            text.remove_prefix(kIdeographicSpace.size());
        } else {
            return false;
        }
    }
    return true;
}

const FoldedBlock& FoldedCache::card(const TIndex& card, const Date* previous) {
    auto it = previous ? cards_.upper_bound(*previous) : cards_.lower_bound(card.date);
    while (it != cards_.end() && it->first < card.date) it = cards_.erase(it);
    if (it == cards_.end() || it->first != card.date) it = cards_.emplace_hint(it, card.date, FoldedBlock{});

    key_.clear();
    appendLinesKey(key_, card.spendList);
    appendLinesKey(key_, card.incomeList);
    appendLinesKey(key_, card.accountList);
    appendKeyText(key_, card.memo);
    FoldedBlock& block = it->second;
    if (block.foldedFrom(key_)) return block;

    ++foldings_;
    block.restart(key_);
    addLines(block, SearchPlace::Spend, card.spendList);
    addLines(block, SearchPlace::Income, card.incomeList);
    addLines(block, SearchPlace::Account, card.accountList);
    addTextLines(block, SearchPlace::Memo, card.memo);
    return block;
}

const FoldedBlock& FoldedCache::credit(const std::vector<CreditRow>& rows) {
    key_.clear();
    appendKeyCount(key_, rows.size());
    for (const CreditRow& row : rows) {
        appendKeyText(key_, row[kCreditItemCol]);
        appendKeyText(key_, row[kCreditCardCol]);
    }
    if (credit_.foldedFrom(key_)) return credit_;

    ++foldings_;
    credit_.restart(key_);
    int number = 0;
    for (const CreditRow& row : rows) credit_.add(SearchPlace::Credit, ++number, row[kCreditItemCol], row[kCreditCardCol]);
    return credit_;
}

const FoldedBlock& FoldedCache::notes(const std::string& notes) {
    if (notes_.foldedFrom(notes)) return notes_;
    ++foldings_;
    notes_.restart(notes);
    addTextLines(notes_, SearchPlace::Notes, notes);
    return notes_;
}

}  // namespace kakeibo
