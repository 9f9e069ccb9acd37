// Searching a 20-year book (about 7,300 cards) in every place: a word as a
// person types it, the empty text that lists every line, the first search
// that folds the whole book, and the longest slice the search window's
// search-as-you-type spends at once.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>

#include "book/Book.h"
#include "book/DayDisplay.h"
#include "generator/BenchBook.h"
#include "generator/BookGenerator.h"
#include "search/BookSearchSource.h"
#include "search/SearchRun.h"
#include "storage/DataFile.h"

namespace kakeibo {
namespace {

// The running book with the middle card shown, as the search window sees it.
struct SearchBench {
    SilentUi ui;
    std::unique_ptr<Book> book = std::make_unique<Book>(ui);
    BookSearchSource source{*book};
    std::unique_ptr<FoldedCache> cache = std::make_unique<FoldedCache>();

    SearchBench() {
        applyGeneratedSettings(*book);
        DataImage image = generateBook(20);
        keepCardsAsRead(*book, image);
        creditRowsToSheet(image.credit, book->GridCredit);
        book->MemoOboe = image.note;
        book->cards.setCurIndex(book->cards.size() / 2);
        dispTheDay(*book, book->cards.curDate());
    }

    SearchResult search(const std::string& text) {
        SearchQuery query;
        query.text = text;
        return searchBook(source, *cache, query);
    }
};

void report(benchmark::State& state, const SearchBench& bench, const SearchResult& result) {
    state.counters["cards"] = bench.book->cards.size();
    state.counters["matches"] = result.count();
}

// The same search again and again over a book that does not change, as
// while a person types.
void searchRepeatedly(benchmark::State& state, const std::string& text) {
    SearchBench bench;
    SearchResult result = bench.search(text);
    for (auto _ : state) {
        result = bench.search(text);
        benchmark::DoNotOptimize(result.spendTotal);
    }
    report(state, bench, result);
}

// A word found in items, categories, memos and credit rows.
void BM_SearchWordEveryPlace(benchmark::State& state) { searchRepeatedly(state, "パン"); }
BENCHMARK(BM_SearchWordEveryPlace)->Unit(benchmark::kMillisecond);

// A word typed in another script and width than it was written in.
void BM_SearchFoldedWordEveryPlace(benchmark::State& state) { searchRepeatedly(state, "ｹｰｷ"); }
BENCHMARK(BM_SearchFoldedWordEveryPlace)->Unit(benchmark::kMillisecond);

// The empty text: every line of the book is a result.
void BM_SearchEveryLine(benchmark::State& state) { searchRepeatedly(state, ""); }
BENCHMARK(BM_SearchEveryLine)->Unit(benchmark::kMillisecond);

// The person edited the shown card: every card's texts are compared with
// the ones folded, and the shown card's folded again.
void BM_SearchAfterTheShownCardChanged(benchmark::State& state) {
    SearchBench bench;
    SearchResult result = bench.search("パン");
    int n = 0;
    for (auto _ : state) {
        bench.book->GridShishutu.setCell(0, 1, "パン" + std::to_string(++n));
        bench.cache->bookChanged();
        result = bench.search("パン");
        benchmark::DoNotOptimize(result.spendTotal);
    }
    report(state, bench, result);
}
BENCHMARK(BM_SearchAfterTheShownCardChanged)->Unit(benchmark::kMillisecond);

// The first search of a run: the whole book folded.
void BM_FirstSearchFoldsTheBook(benchmark::State& state) {
    SearchBench bench;
    SearchResult result;
    for (auto _ : state) {
        bench.cache = std::make_unique<FoldedCache>();
        result = bench.search("パン");
        benchmark::DoNotOptimize(result.spendTotal);
    }
    report(state, bench, result);
}
BENCHMARK(BM_FirstSearchFoldsTheBook)->Unit(benchmark::kMillisecond);

// A run in the window's slices of 6 ms: how long the longest took.
double longestSlice(SearchRun& run) {
    using Clock = SearchRun::Clock;
    double longest = 0;
    for (bool done = false; !done;) {
        const auto start = Clock::now();
        done = run.advance(start + std::chrono::milliseconds(6));
        const std::chrono::duration<double, std::milli> took = Clock::now() - start;
        longest = std::max(longest, took.count());
    }
    return longest;
}

// The search window's slices over the first search: the longest time the
// window is held at once.
void BM_LongestSliceOfTheFirstSearch(benchmark::State& state) {
    SearchBench bench;
    double longest = 0;
    for (auto _ : state) {
        bench.cache = std::make_unique<FoldedCache>();
        SearchQuery query;
        query.text = "パン";
        SearchRun run(bench.source, *bench.cache, query);
        longest = std::max(longest, longestSlice(run));
        benchmark::DoNotOptimize(run.takeResult().spendTotal);
    }
    state.counters["longest_slice_ms"] = longest;
}
BENCHMARK(BM_LongestSliceOfTheFirstSearch)->Unit(benchmark::kMillisecond);

// The most the window can be asked for: every line with an amount of 0 or
// more (about 100,000 results), the book already folded. The slices include
// putting the credit rows among the cards' lines.
void BM_LongestSliceOfEveryLine(benchmark::State& state) {
    SearchBench bench;
    bench.search("");
    double longest = 0;
    int matches = 0;
    for (auto _ : state) {
        SearchQuery query;
        query.min = 0;
        SearchRun run(bench.source, *bench.cache, query);
        longest = std::max(longest, longestSlice(run));
        matches = run.takeResult().count();
    }
    state.counters["longest_slice_ms"] = longest;
    state.counters["matches"] = matches;
}
BENCHMARK(BM_LongestSliceOfEveryLine)->Unit(benchmark::kMillisecond);

// The command-line tool's search: the data file's image, folded once.
void BM_SearchDataImageOnce(benchmark::State& state) {
    const DataImage image = generateBook(20);
    SearchResult result;
    for (auto _ : state) {
        DataImageSource source(image);
        FoldedCache cache;
        SearchQuery query;
        query.text = "パン";
        result = searchBook(source, cache, query);
        benchmark::DoNotOptimize(result.spendTotal);
    }
    state.counters["matches"] = result.count();
}
BENCHMARK(BM_SearchDataImageOnce)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kakeibo
