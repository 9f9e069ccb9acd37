// The series of the graph window on a 20-year book (about 7,300 cards),
// each read from the book as the window reads it when the book changes:
// the month, week and year after their 集計, the balances of every card,
// and what the history chart draws for a frame of zooming or panning.

#include <benchmark/benchmark.h>

#include <memory>

#include "book/Book.h"
#include "book/DayDisplay.h"
#include "book/MonthSummary.h"
#include "book/Stores.h"
#include "book/WeekYearSummary.h"
#include "charts/HistorySeries.h"
#include "charts/HistorySpan.h"
#include "charts/HistoryView.h"
#include "charts/MonthSeries.h"
#include "charts/ValueRange.h"
#include "charts/WeekSeries.h"
#include "charts/YearSeries.h"
#include "generator/BenchBook.h"
#include "generator/BookGenerator.h"

namespace kakeibo {
namespace {

// The generated book with the last year's months, its last week and the
// year summed, as a person would have them before looking at the charts.
struct ChartBench {
    SilentUi ui;
    std::unique_ptr<Book> book = std::make_unique<Book>(ui);

    ChartBench() {
        applyGeneratedSettings(*book);
        book->cards.assign(generateBook(20).cards);
        book->cards.setCurIndex(book->cards.size() - 1);
        dispTheDay(*book, book->cards.cur().date);
        const Date last = book->cards.cur().date;
        book->months.init(getMonthKey(last, book->shonichi()));
        book->weeks.init(getWeekStart(last));
        book->years.init(getYearStart(last));
        const int year = splitDate(last).year;
        for (int month = 1; month <= 12; ++month) {
            dispTheMonth(*book, *makeDate(year, month, 1));
            btnSumMonthClick(*book);
        }
        dispTheWY(*book, kYearMode, last);
        btnSumYearClick(*book);
        dispTheWY(*book, kWeekMode, last);
        btnSumWeekClick(*book);
    }
};

void BM_MonthSeries(benchmark::State& state) {
    ChartBench bench;
    for (auto _ : state) {
        const MonthSeries month = monthSeries(*bench.book);
        const auto bars = budgetBars(month);
        const auto shares = spendingShares(month);
        benchmark::DoNotOptimize(budgetRange(bars));
        benchmark::DoNotOptimize(shares.data());
    }
    state.counters["rows"] = static_cast<double>(monthSeries(*bench.book).spending.size());
}
BENCHMARK(BM_MonthSeries)->Unit(benchmark::kMillisecond);

void BM_WeekSeries(benchmark::State& state) {
    ChartBench bench;
    for (auto _ : state) benchmark::DoNotOptimize(weekRange(weekSeries(*bench.book)));
}
BENCHMARK(BM_WeekSeries)->Unit(benchmark::kMillisecond);

void BM_YearSeries(benchmark::State& state) {
    ChartBench bench;
    for (auto _ : state) {
        const YearSeries year = yearSeries(*bench.book);
        benchmark::DoNotOptimize(yearRange(yearStacks(year), year.income));
    }
}
BENCHMARK(BM_YearSeries)->Unit(benchmark::kMillisecond);

void BM_HistorySeriesOfEveryCard(benchmark::State& state) {
    ChartBench bench;
    std::size_t points = 0;
    for (auto _ : state) {
        const std::vector<HistoryPoint> history = historySeries(bench.book->cards);
        points = history.size();
        benchmark::DoNotOptimize(history.data());
    }
    state.counters["cards"] = bench.book->cards.size();
    state.counters["points"] = static_cast<double>(points);
}
BENCHMARK(BM_HistorySeriesOfEveryCard)->Unit(benchmark::kMillisecond);

// One frame of the history chart 800 pixels wide: the whole history, and a
// year of it, from the points held.
void BM_HistoryViewFrame(benchmark::State& state) {
    ChartBench bench;
    const std::vector<HistoryPoint> points = historySeries(bench.book->cards);
    const auto range = static_cast<HistoryRange>(state.range(0));
    const DateSpan span = *historySpan(points, range);
    std::size_t drawn = 0;
    for (auto _ : state) {
        const HistoryView view = historyView(points, span, 400);
        drawn = 0;
        for (const auto& line : view.lines)
            for (const PlotLine& stretch : line) drawn += stretch.size();
        benchmark::DoNotOptimize(view.high);
    }
    state.counters["points_drawn"] = static_cast<double>(drawn);
}
BENCHMARK(BM_HistoryViewFrame)
    ->Arg(static_cast<int>(HistoryRange::All))
    ->Arg(static_cast<int>(HistoryRange::OneYear))
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kakeibo
