#pragma once
// What a person asks the book: a text, an optional period and amount range,
// and the places to look in.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/Dates.h"

namespace kakeibo {

// The places a search looks in, in the order results of one day come.
enum class SearchPlace {
    Spend,    // the spending lines of the cards (GridShishutu)
    Income,   // the income lines (GridShuNyu)
    Account,  // the bank-account lines (GridKoza)
    Memo,     // the day memos, line by line
    Notes,    // the notes page, line by line
    Credit,   // the rows of the credit record
};
inline constexpr int kSearchPlaceCount = 6;
inline constexpr std::array<SearchPlace, kSearchPlaceCount> kAllSearchPlaces = {
    SearchPlace::Spend, SearchPlace::Income, SearchPlace::Account,
    SearchPlace::Memo,  SearchPlace::Notes,  SearchPlace::Credit};

// "spend", "income", "account", "memo", "notes", "credit": the names the
// command line and its output use.
std::string_view placeName(SearchPlace place);
std::optional<SearchPlace> placeFromName(std::string_view name);
// Whether the place holds entry lines with an amount and a category.
inline bool isEntryLinePlace(SearchPlace place) {
    return place == SearchPlace::Spend || place == SearchPlace::Income || place == SearchPlace::Account;
}

// A set of places; all of them unless told otherwise.
class SearchPlaces {
public:
    static SearchPlaces all() { return SearchPlaces(kAllBits); }
    static SearchPlaces none() { return SearchPlaces(0); }

    bool has(SearchPlace place) const { return (bits_ & bit(place)) != 0; }
    void set(SearchPlace place, bool on = true) { bits_ = on ? bits_ | bit(place) : bits_ & ~bit(place); }
    bool empty() const { return bits_ == 0; }
    bool operator==(const SearchPlaces&) const = default;

private:
    static constexpr unsigned kAllBits = (1u << kSearchPlaceCount) - 1;
    explicit SearchPlaces(unsigned bits) : bits_(bits) {}
    static unsigned bit(SearchPlace place) { return 1u << static_cast<unsigned>(place); }
    unsigned bits_;
};

// A comma-separated list of place names ("spend,memo"); nothing when a name
// is unknown or the list names no place.
std::optional<SearchPlaces> parsePlaceList(std::string_view list);

struct SearchQuery {
    std::string text;              // may be empty: every line of the other conditions
    std::optional<Date> from;      // inclusive
    std::optional<Date> to;        // inclusive
    std::optional<double> min;     // inclusive, on the amount as stored (signed)
    std::optional<double> max;     // inclusive
    SearchPlaces places = SearchPlaces::all();

    bool hasDateRange() const { return from || to; }
    bool hasAmountRange() const { return min || max; }
};

// Why a query cannot find anything as it stands.
enum class QueryProblem {
    None,
    PeriodReversed,   // from is after to
    AmountsReversed,  // min is above max
    NoPlace,          // no place to look in
};
QueryProblem queryProblem(const SearchQuery& query);

}  // namespace kakeibo
