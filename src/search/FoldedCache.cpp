#include "search/FoldedCache.h"

#include "search/SearchSource.h"

namespace kakeibo {

namespace {

// The texts a card's block is folded from, in one order for writing and
// checking its key.
template <class Key>
void cardKey(const TIndex& card, Key& key) {
    for (const std::vector<TKiroku>* lines : {&card.spendList, &card.incomeList, &card.accountList}) {
        key.count(lines->size());
        for (const TKiroku& line : *lines) {
            key.text(line.item);
            key.text(line.category);
        }
    }
    key.text(card.memo);
}

template <class Key>
void creditKey(const std::vector<CreditRow>& rows, Key& key) {
    key.count(rows.size());
    for (const CreditRow& row : rows) {
        key.text(row[kCreditItemCol]);
        key.text(row[kCreditCardCol]);
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

template <class KeyOf>
bool FoldedCache::stillFolded(FoldedBlock& block, KeyOf&& keyOf) {
    if (block.folded() && block.checkedIn() == generation_) return true;
    if (block.folded()) {
        KeyChecker check(block.key());
        keyOf(check);
        if (check.matched()) {
            block.setCheckedIn(generation_);
            return true;
        }
    }
    key_.clear();
    KeyWriter write(key_);
    keyOf(write);
    block.restart(key_);
    block.setCheckedIn(generation_);
    return false;
}

const FoldedBlock& FoldedCache::card(const TIndex& card, const Date* previous) {
    auto it = cards_.end();
    if (previous && lastCard_ != cards_.end() && lastCard_->first == *previous) {
        it = std::next(lastCard_);
    } else {
        it = previous ? cards_.upper_bound(*previous) : cards_.lower_bound(card.date);
    }
    while (it != cards_.end() && it->first < card.date) it = cards_.erase(it);
    if (it == cards_.end() || it->first != card.date) it = cards_.emplace_hint(it, card.date, FoldedBlock{});
    lastCard_ = it;

    FoldedBlock& block = it->second;
    if (stillFolded(block, [&](auto& key) { cardKey(card, key); })) return block;

    ++foldings_;
    addLines(block, SearchPlace::Spend, card.spendList);
    addLines(block, SearchPlace::Income, card.incomeList);
    addLines(block, SearchPlace::Account, card.accountList);
    addTextLines(block, SearchPlace::Memo, card.memo);
    return block;
}

const FoldedBlock& FoldedCache::credit(const std::vector<CreditRow>& rows) {
    if (stillFolded(credit_, [&](auto& key) { creditKey(rows, key); })) return credit_;

    ++foldings_;
    int number = 0;
    for (const CreditRow& row : rows) credit_.add(SearchPlace::Credit, ++number, row[kCreditItemCol], row[kCreditCardCol]);
    return credit_;
}

const FoldedBlock& FoldedCache::notes(const std::string& notes) {
    if (stillFolded(notes_, [&](auto& key) { key.text(notes); })) return notes_;
    ++foldings_;
    addTextLines(notes_, SearchPlace::Notes, notes);
    return notes_;
}

}  // namespace kakeibo
