#pragma once
// A search over a book, done at once or in slices of bounded time, so a
// window can search as the person types without holding up its paints.
// The folded texts come from a cache kept between searches.
//
// A run reads its source as it goes: whoever changes the book between two
// slices abandons the run and starts another.

#include <chrono>
#include <string>
#include <vector>

#include "search/FoldedCache.h"
#include "search/SearchQuery.h"
#include "search/SearchResult.h"
#include "search/SearchSource.h"

namespace kakeibo {

class SearchRun {
public:
    using Clock = std::chrono::steady_clock;

    SearchRun(SearchSource& source, FoldedCache& cache, SearchQuery query);

    // Works until the search is done or the deadline has passed (a few
    // cards at least each call); true once done.
    bool advance(Clock::time_point deadline);
    bool done() const { return stage_ == Stage::Done; }
    // The result, once done; leaves the run empty.
    SearchResult takeResult();

private:
    void startCards();
    void searchCard(int index);
    void searchCredit();
    void searchNotes();
    // Puts the card matches, the credit rows and the notes lines together
    // in their order, a chunk of card matches at a time; true once done.
    bool assemble(Clock::time_point deadline);
    // Calls take for every entry of block the query's text is found in.
    template <class Take>
    void forEachFound(const FoldedBlock& block, Take&& take) const;

    SearchSource& source_;
    FoldedCache& cache_;
    SearchQuery query_;
    std::string needle_;  // the query's text folded, without surrounding spaces
    enum class Stage { Cards, Assembling, Done };
    Stage stage_ = Stage::Cards;
    int nextCard_ = 0;
    bool cardVisited_ = false;
    Date lastCardDate_ = 0;

    SearchResult result_;  // the totals, then the matches as they are put together
    // The card matches in date order, in chunks so that a long result never
    // has to be moved whole while it grows.
    std::vector<std::vector<SearchMatch>> cardChunks_;
    std::vector<SearchMatch> credit_;  // the credit rows, in sheet order until sorted
    std::vector<SearchMatch> notes_;
    std::size_t nextChunk_ = 0;
    std::size_t nextCredit_ = 0;
};

// A whole search at once.
SearchResult searchBook(SearchSource& source, FoldedCache& cache, const SearchQuery& query);

}  // namespace kakeibo
