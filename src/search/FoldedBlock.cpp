#include "search/FoldedBlock.h"

#include "text/TextFolding.h"

namespace kakeibo {

void appendKeyCount(std::string& key, std::size_t count) {
    const auto n = static_cast<std::uint32_t>(count);
    key.append(reinterpret_cast<const char*>(&n), sizeof n);
}

void appendKeyText(std::string& key, std::string_view text) {
    appendKeyCount(key, text.size());
    key.append(text);
}

void FoldedBlock::restart(std::string key) {
    key_ = std::move(key);
    folded_ = true;
    text_.clear();
    entries_.clear();
}

void FoldedBlock::add(SearchPlace place, int row, std::string_view first, std::string_view second) {
    FoldedEntry entry;
    entry.place = place;
    entry.row = row;
    entry.begin = static_cast<std::uint32_t>(text_.size());
    text_ += foldForMatching(first);
    entry.split = static_cast<std::uint32_t>(text_.size());
    text_ += '\0';
    if (!second.empty()) {
        text_ += foldForMatching(second);
        text_ += '\0';
    }
    entry.end = static_cast<std::uint32_t>(text_.size());
    entries_.push_back(entry);
}

bool FoldedBlock::holdsAt(const FoldedEntry& entry, std::size_t at, std::size_t length) const {
    // Only a needle holding a '\0' could reach from one field into the next.
    if (at >= entry.begin && at + length <= entry.split) return true;
    return at > entry.split && at + length < entry.end;
}

}  // namespace kakeibo
