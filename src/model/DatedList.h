#pragma once
// A list of records in strictly ascending date order, at most one record per
// date, with a current record: the month records and the week and year
// cursors (the day cards have a list of their own, CardList). The first, current and last records of the established
// design are first(), cur() and last(); positions count from 1.
//
// Records live in a vector, so a reference to one is valid only until the
// next insert or delete; hold indexes across those.

#include <cstddef>
#include <optional>
#include <vector>

#include "model/Records.h"

namespace kakeibo {

template <class T>
class DatedList {
public:
    bool empty() const { return items_.empty(); }
    int size() const { return static_cast<int>(items_.size()); }

    T& first() { return items_.front(); }
    T& last() { return items_.back(); }
    T& cur() { return items_[cur_]; }
    const T& first() const { return items_.front(); }
    const T& last() const { return items_.back(); }
    const T& cur() const { return items_[cur_]; }
    T& at(int index) { return items_[static_cast<std::size_t>(index)]; }
    const T& at(int index) const { return items_[static_cast<std::size_t>(index)]; }

    int curIndex() const { return static_cast<int>(cur_); }
    void setCurIndex(int index) { cur_ = static_cast<std::size_t>(index); }
    bool curIsFirst() const { return cur_ == 0; }
    bool curIsLast() const { return cur_ + 1 == items_.size(); }
    bool hasPrev(int index) const { return index > 0; }
    bool hasNext(int index) const { return index + 1 < size(); }

    // 1-based position of a record; position of the last is the count.
    int position(int index) const { return index + 1; }

    // Makes one empty record for date the only record (init*List).
    T& init(Date date) {
        items_.clear();
        items_.emplace_back();
        listKey(items_.back()) = date;
        cur_ = 0;
        return items_.back();
    }

    // Walks back from the last record for one with exactly that date.
    std::optional<int> find(Date date) const {
        for (std::size_t i = items_.size(); i-- > 0;) {
            if (listKey(items_[i]) == date) return static_cast<int>(i);
        }
        return std::nullopt;
    }

    // Creates an empty record for date in date order and makes it current.
    // The caller guarantees that no record has that date.
    T& insert(Date date) {
        std::size_t pos = items_.size();
        while (pos > 0 && listKey(items_[pos - 1]) > date) --pos;
        T record{};
        listKey(record) = date;
        items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(pos), std::move(record));
        cur_ = pos;
        return items_[pos];
    }

    // Appends a record read from a file; keeps the order the file gives.
    T& append(T record) {
        items_.push_back(std::move(record));
        cur_ = items_.size() - 1;
        return items_.back();
    }

    // Removes the current record: the earlier neighbour becomes current, or
    // the next one when the first record is removed. Refusing the only
    // record is the caller's business.
    void deleteCurrent() {
        if (items_.empty()) return;
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(cur_));
        if (cur_ > 0) --cur_;
        if (cur_ >= items_.size()) cur_ = items_.empty() ? 0 : items_.size() - 1;
    }

    void clear() {
        items_.clear();
        cur_ = 0;
    }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    std::vector<T>& items() { return items_; }
    const std::vector<T>& items() const { return items_; }

private:
    std::vector<T> items_;
    std::size_t cur_ = 0;
};

using MonthList = DatedList<MonthRecord>;
using CursorList = DatedList<PeriodCursor>;

}  // namespace kakeibo
