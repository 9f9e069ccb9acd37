#pragma once
// One piece of the book folded for matching: the lines of one card, the
// rows of the credit record, or the lines of the notes. Each entry (a line
// or a row) holds one or two fields (item and category, item and card, or a
// memo line); a needle is found in one field, never across two.
//
// A block remembers the texts it was folded from (its key), so a caller can
// tell whether it still describes what the book holds now.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "search/SearchQuery.h"

namespace kakeibo {

struct FoldedEntry {
    SearchPlace place = SearchPlace::Spend;
    int row = 0;  // from 1
    // Offsets into the folded text: [begin, split) is the first field,
    // [split + 1, end) the second (empty when there is only one).
    std::uint32_t begin = 0;
    std::uint32_t split = 0;
    std::uint32_t end = 0;
};

// Appends text to a block key so that no two sequences of texts give the
// same key (each text is preceded by its length).
void appendKeyText(std::string& key, std::string_view text);
void appendKeyCount(std::string& key, std::size_t count);

class FoldedBlock {
public:
    // Whether the block was folded from texts that gave this key.
    bool foldedFrom(std::string_view key) const { return folded_ && key_ == key; }

    // Starts the block over for texts of this key.
    void restart(std::string key);
    void add(SearchPlace place, int row, std::string_view first, std::string_view second = {});

    const std::vector<FoldedEntry>& entries() const { return entries_; }

    // Calls found(entry) once for each entry one of whose fields contains
    // the (folded, non-empty) needle, in entry order.
    template <class Found>
    void forEachHolding(std::string_view needle, Found&& found) const;

private:
    bool holdsAt(const FoldedEntry& entry, std::size_t at, std::size_t length) const;

    std::string key_;
    bool folded_ = false;
    // Every field folded, each followed by a '\0'.
    std::string text_;
    std::vector<FoldedEntry> entries_;
};

template <class Found>
void FoldedBlock::forEachHolding(std::string_view needle, Found&& found) const {
    const std::string_view text(text_);
    std::size_t entry = 0;
    std::size_t from = 0;
    while (entry < entries_.size()) {
        const std::size_t at = text.find(needle, from);
        if (at == std::string_view::npos) return;
        while (entry < entries_.size() && entries_[entry].end <= at) ++entry;
        if (entry == entries_.size()) return;
        const FoldedEntry& e = entries_[entry];
        if (holdsAt(e, at, needle.size())) {
            found(e);
            from = e.end;  // an entry is found once
            ++entry;
        } else {
            from = at + 1;
        }
    }
}

}  // namespace kakeibo
