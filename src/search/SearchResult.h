#pragma once
// What a search found: the matching lines in date order, each with its
// place and row, and the sums of the matched amounts.

#include <optional>
#include <string>
#include <vector>

#include "model/Dates.h"
#include "search/SearchQuery.h"

namespace kakeibo {

struct SearchMatch {
    SearchPlace place = SearchPlace::Spend;
    // The card's date, or a credit row's purchase date; none for a line of
    // the notes and for a credit row whose date cells make no date.
    std::optional<Date> date;
    // From 1: the sheet row of an entry line or a credit row, the line of a
    // memo or of the notes.
    int row = 0;
    std::string text;      // an entry line's or credit row's item; a memo or notes line
    std::string category;  // an entry line's category; a credit row's card
    double amount = 0;     // entry lines and credit rows
    std::string status;    // a credit row's payment status

    bool operator==(const SearchMatch&) const = default;
};

struct SearchResult {
    std::vector<SearchMatch> matches;
    // The matched entry lines' amounts as stored, by place. Credit rows are
    // copies of spending lines and are in no total.
    double spendTotal = 0;
    double incomeTotal = 0;
    double accountTotal = 0;

    int count() const { return static_cast<int>(matches.size()); }
};

}  // namespace kakeibo
