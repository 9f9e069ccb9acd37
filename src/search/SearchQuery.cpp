#include "search/SearchQuery.h"

namespace kakeibo {

namespace {

constexpr std::array<std::string_view, kSearchPlaceCount> kPlaceNames = {"spend", "income", "account",
                                                                         "memo",  "notes",  "credit"};

}  // namespace

std::string_view placeName(SearchPlace place) { return kPlaceNames[static_cast<std::size_t>(place)]; }

std::optional<SearchPlace> placeFromName(std::string_view name) {
    for (SearchPlace place : kAllSearchPlaces) {
        if (placeName(place) == name) return place;
    }
    return std::nullopt;
}

std::optional<SearchPlaces> parsePlaceList(std::string_view list) {
    SearchPlaces places = SearchPlaces::none();
    while (true) {
        const std::size_t comma = list.find(',');
        const auto place = placeFromName(list.substr(0, comma));
        if (!place) return std::nullopt;
        places.set(*place);
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
    }
    return places;
}

QueryProblem queryProblem(const SearchQuery& query) {
    if (query.from && query.to && *query.from > *query.to) return QueryProblem::PeriodReversed;
    if (query.min && query.max && *query.min > *query.max) return QueryProblem::AmountsReversed;
    if (query.places.empty()) return QueryProblem::NoPlace;
    return QueryProblem::None;
}

}  // namespace kakeibo
