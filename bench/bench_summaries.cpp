// The summaries on a 20-year book (about 7,300 cards): summing a fiscal
// month, a week and a year, and exporting the daily records of every card.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <initializer_list>
#include <memory>
#include <string>

#include "book/Book.h"
#include "book/DayDisplay.h"
#include "book/MonthSummary.h"
#include "book/SettingsApply.h"
#include "book/SheetLayouts.h"
#include "book/TextExports.h"
#include "book/WeekYearSummary.h"
#include "generator/BenchBook.h"
#include "generator/BookGenerator.h"
#include "messages/UiPort.h"
#include "model/Dates.h"
#include "storage/Cp932.h"

namespace kakeibo {
namespace {

struct SummaryBench {
    SilentUi ui;
    std::unique_ptr<Book> book = std::make_unique<Book>(ui);

    SummaryBench() {
        applyGeneratedSettings(*book);

        keepCardsAsRead(*book, generateBook(20));
        book->cards.setCurIndex(book->cards.size() / 2);
        dispTheDay(*book, book->cards.curDate());
        const Date middle = book->cards.curDate();
        book->months.init(getMonthKey(middle, book->shonichi()));
        book->weeks.init(getWeekStart(middle));
        book->years.init(getYearStart(middle));
    }

    Date middle() const { return book->cards.date(book->cards.size() / 2); }
};

void BM_SumFiscalMonth(benchmark::State& state) {
    SummaryBench bench;
    dispTheMonth(*bench.book, getMonthKey(bench.middle(), bench.book->shonichi()));
    for (auto _ : state) {
        btnSumMonthClick(*bench.book);
        benchmark::DoNotOptimize(bench.book->months.cur().totalSpend);
    }
    state.counters["cards"] = bench.book->cards.size();
    state.counters["spend"] = bench.book->months.cur().totalSpend;
}
BENCHMARK(BM_SumFiscalMonth)->Unit(benchmark::kMillisecond);

void BM_SumWeek(benchmark::State& state) {
    SummaryBench bench;
    dispTheWY(*bench.book, kWeekMode, bench.middle());
    for (auto _ : state) {
        btnSumWeekClick(*bench.book);
        benchmark::DoNotOptimize(bench.book->GridWeekShishutsu.cell(1, 1).data());
    }
    state.counters["week_total"] = std::stod("0" + bench.book->GridWeekShishutsu.cell(1, 1));
}
BENCHMARK(BM_SumWeek)->Unit(benchmark::kMillisecond);

void BM_SumYear(benchmark::State& state) {
    SummaryBench bench;
    // Every fiscal month of the year summed first, as a user would.
    const int year = splitDate(bench.middle()).year;
    for (int month = 1; month <= 12; ++month) {
        dispTheMonth(*bench.book, *makeDate(year, month, 1));
        btnSumMonthClick(*bench.book);
    }
    dispTheWY(*bench.book, kYearMode, bench.middle());
    for (auto _ : state) {
        btnSumYearClick(*bench.book);
        benchmark::DoNotOptimize(bench.book->GridYearShishutsu.cell(1, 1).data());
    }
    state.counters["year_total"] = std::stod("0" + bench.book->GridYearShishutsu.cell(1, 1));
}
BENCHMARK(BM_SumYear)->Unit(benchmark::kMillisecond);

void BM_DailyRecordsTextOfEveryCard(benchmark::State& state) {
    SummaryBench bench;
    const Date first = bench.book->cards.firstDate();
    const Date last = bench.book->cards.lastDate();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const auto text = hibiText(*bench.book, first, last);
        const auto encoded = utf8ToCp932(*text);
        bytes = encoded->size();
        benchmark::DoNotOptimize(encoded->data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_DailyRecordsTextOfEveryCard)->Unit(benchmark::kMillisecond);

void BM_SaveDailyRecordsOfEveryCard(benchmark::State& state) {
    SummaryBench bench;
    const Date first = bench.book->cards.firstDate();
    const Date last = bench.book->cards.lastDate();
    char folder[] = "/tmp/kakeibo-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string path = std::string(folder) + "/HibiKiro.txt";
    for (auto _ : state) {
        benchmark::DoNotOptimize(saveHibiText(*bench.book, path, first, last));
    }
    std::remove(path.c_str());
    std::remove(folder);
    state.counters["messages"] = bench.ui.messages;
}
BENCHMARK(BM_SaveDailyRecordsOfEveryCard)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kakeibo
