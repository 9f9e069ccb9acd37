#pragma once
// The folded texts of a book, kept between searches so typing a word does
// not fold the whole book again at every key.
//
// Whoever changes the book tells the cache (bookChanged). The next search
// then compares every block it uses with the texts the book holds and folds
// again only the blocks whose texts differ, so no change, however it was
// made, is missed; until the next change the blocks are used unchecked.
// A block found for a card the book changed without telling never leads a
// search outside that card: a search reads every line it reports from the
// book itself.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "book/MemoList.h"
#include "model/Records.h"
#include "search/FoldedBlock.h"
#include "storage/DataFile.h"

namespace kakeibo {

class FoldedCache {
public:
    FoldedCache() = default;
    FoldedCache(const FoldedCache&) = delete;
    FoldedCache& operator=(const FoldedCache&) = delete;

    // Something in the book may have changed.
    void bookChanged() { ++generation_; }

    // The folded lines and memo lines of a card. Blocks of dates strictly
    // between previous (a card date visited just before, or nothing) and
    // the card's are of cards that are gone, and are dropped.
    const FoldedBlock& card(const TIndex& card, const Date* previous);
    const FoldedBlock& credit(const std::vector<CreditRow>& rows);
    const FoldedBlock& notes(const std::string& notes);

    // How many card blocks are held (a book's cards, or fewer).
    std::size_t cardBlocks() const { return cards_.size(); }
    // How many blocks were folded since the cache was made.
    std::size_t foldings() const { return foldings_; }

private:
    // Whether block still holds the texts keyed by keyOf; otherwise starts
    // it over with their key, to be filled.
    template <class KeyOf>
    bool stillFolded(FoldedBlock& block, KeyOf&& keyOf);

    std::map<Date, FoldedBlock> cards_;
    // The block of the card visited last: a search walks the cards in date
    // order, so the next card's block is usually the next one.
    std::map<Date, FoldedBlock>::iterator lastCard_ = cards_.end();
    FoldedBlock credit_;
    FoldedBlock notes_;
    std::string key_;  // reused, so a check allocates nothing once warm
    std::uint64_t generation_ = 1;
    std::size_t foldings_ = 0;
};

// Whether a text is nothing but spaces (ASCII or full-width) and tabs.
bool isBlankText(std::string_view text);

}  // namespace kakeibo
