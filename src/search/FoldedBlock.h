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

// A block's key is the sequence of texts and counts it was folded from,
// each text preceded by its length so no two sequences give one key. The
// writer makes a key; the checker tells whether a sequence gives a key it
// was made with, without copying anything (the check runs at every search).
class KeyWriter {
public:
    explicit KeyWriter(std::string& key) : key_(key) {}
    void count(std::size_t n);
    void text(std::string_view text);

private:
    std::string& key_;
};

class KeyChecker {
public:
    explicit KeyChecker(std::string_view key) : rest_(key) {}
    void count(std::size_t n);
    void text(std::string_view text);
    // Whether the sequence gave the whole key.
    bool matched() const { return same_ && rest_.empty(); }

private:
    std::string_view rest_;
    bool same_ = true;
};

class FoldedBlock {
public:
    bool folded() const { return folded_; }
    std::string_view key() const { return key_; }
    // The book generation in which the block was last found to match the
    // book's texts (see FoldedCache).
    std::uint64_t checkedIn() const { return checkedIn_; }
    void setCheckedIn(std::uint64_t generation) { checkedIn_ = generation; }

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
    // Where needle next occurs in the folded text from offset from.
    std::size_t find(std::string_view needle, std::size_t from) const;

    std::string key_;
    bool folded_ = false;
    std::uint64_t checkedIn_ = 0;
    // Every field folded, each followed by a '\0'.
    std::string text_;
    std::vector<FoldedEntry> entries_;
};

template <class Found>
void FoldedBlock::forEachHolding(std::string_view needle, Found&& found) const {
    std::size_t entry = 0;
    std::size_t from = 0;
    while (entry < entries_.size()) {
        const std::size_t at = find(needle, from);
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
