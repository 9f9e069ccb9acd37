// The day page on a 20-year book (about 7,300 cards): the Ctrl-click
// recalculation of every card, and showing the first and the last card.

#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>

#include "book/Book.h"
#include "book/DayCalculation.h"
#include "book/DayDisplay.h"
#include "book/SettingsApply.h"
#include "book/SheetLayouts.h"
#include "generator/BenchBook.h"
#include "generator/BookGenerator.h"
#include "messages/UiPort.h"
#include "storage/DataFile.h"

namespace kakeibo {
namespace {

struct DayBench {
    SilentUi ui;
    std::unique_ptr<Book> book = std::make_unique<Book>(ui);
    DataImage image = generateBook(20);

    DayBench() {
        applyGeneratedSettings(*book);
    }

    // The book as read from the file: its cards (kept as read, decoded when
    // needed) and credit sheet, the first card shown.
    void load() {
        keepCardsAsRead(*book, image);
        book->cards.setCurIndex(0);
        book->GridCredit.setRowCount(10);
        creditRowsToSheet(image.credit, book->GridCredit);
        dispTheDay(*book, book->cards.firstDate());
    }
};

void BM_CtrlRecalculateEveryCard(benchmark::State& state) {
    DayBench bench;
    for (auto _ : state) {
        state.PauseTiming();
        bench.load();
        state.ResumeTiming();
        btnCalcMouseUp(*bench.book, true);
        benchmark::DoNotOptimize(bench.book->cards.last().summaryList.data());
    }
    state.counters["cards"] = bench.book->cards.size();
    state.counters["credit_rows"] = bench.book->GridCredit.rowCount();
    state.counters["messages"] = bench.ui.messages;
}
BENCHMARK(BM_CtrlRecalculateEveryCard)->Unit(benchmark::kMillisecond)->Iterations(5);

// One plain click on the last card: the everyday calculation.
void BM_CalculateLastCard(benchmark::State& state) {
    DayBench bench;
    bench.load();
    dispTheDay(*bench.book, bench.book->cards.lastDate());
    for (auto _ : state) btnCalcMouseUp(*bench.book, false);
}
BENCHMARK(BM_CalculateLastCard)->Unit(benchmark::kMicrosecond);

void BM_ShowFirstAndLastCard(benchmark::State& state) {
    DayBench bench;
    bench.load();
    const Date first = bench.book->cards.firstDate();
    const Date last = bench.book->cards.lastDate();
    for (auto _ : state) {
        dispTheDay(*bench.book, last);
        dispTheDay(*bench.book, first);
    }
}
BENCHMARK(BM_ShowFirstAndLastCard)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kakeibo
