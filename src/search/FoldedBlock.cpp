#include "search/FoldedBlock.h"

#include <string.h>

#include <cstring>

#include "text/TextFolding.h"

namespace kakeibo {

namespace {

using KeyCount = std::uint32_t;

}  // namespace

void KeyWriter::count(std::size_t n) {
    const auto stored = static_cast<KeyCount>(n);
    key_.append(reinterpret_cast<const char*>(&stored), sizeof stored);
}

void KeyWriter::text(std::string_view text) {
    count(text.size());
    key_.append(text);
}

void KeyChecker::count(std::size_t n) {
    KeyCount stored = 0;
    if (!same_ || rest_.size() < sizeof stored) {
        same_ = false;
        return;
    }
    std::memcpy(&stored, rest_.data(), sizeof stored);
    rest_.remove_prefix(sizeof stored);
    same_ = stored == static_cast<KeyCount>(n);
}

void KeyChecker::text(std::string_view text) {
    count(text.size());
    if (!same_ || rest_.size() < text.size() || rest_.substr(0, text.size()) != text) {
        same_ = false;
        return;
    }
    rest_.remove_prefix(text.size());
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

std::size_t FoldedBlock::find(std::string_view needle, std::size_t from) const {
    // Every kana and kanji starts with one of a few bytes, so a search that
    // looks for the first byte and compares from there stops at nearly
    // every character; glibc's memmem skips by pairs of bytes.
    if (from >= text_.size()) return std::string_view::npos;
    const void* at = memmem(text_.data() + from, text_.size() - from, needle.data(), needle.size());
    return at ? static_cast<std::size_t>(static_cast<const char*>(at) - text_.data()) : std::string_view::npos;
}

bool FoldedBlock::holdsAt(const FoldedEntry& entry, std::size_t at, std::size_t length) const {
    // Only a needle holding a '\0' could reach from one field into the next.
    if (at >= entry.begin && at + length <= entry.split) return true;
    return at > entry.split && at + length < entry.end;
}

}  // namespace kakeibo
