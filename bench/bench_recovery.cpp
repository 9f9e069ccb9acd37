// One recovery write on a 20-year book: what the window's thread pays (the
// snapshot, a step at a time or whole) and what the writer's thread pays
// (the encoding, the file with its fsync).

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "book/Lifecycle.h"
#include "book/RecoverySnapshot.h"
#include "generator/BenchBook.h"
#include "generator/BookGenerator.h"
#include "safety/RecoveryFile.h"

namespace kakeibo {
namespace {

namespace fs = std::filesystem;

// A 20-year book started from its files, as the window holds it.
struct StartedBook {
    fs::path root;
    SilentUi ui;
    std::unique_ptr<Book> book;

    StartedBook() {
        char pattern[] = "/tmp/kakeibo-recovery-XXXXXX";
        root = ::mkdtemp(pattern);
        writeProgramFolder(root.string() + "/", 20);
        book = std::make_unique<Book>(ui);
        book->folder = root.string() + "/";
        formCreate(*book);
    }
    ~StartedBook() {
        book.reset();
        fs::remove_all(root);
    }
};

StartedBook& started() {
    static StartedBook b;
    return b;
}

void countBook(benchmark::State& state) {
    state.counters["cards"] = static_cast<double>(started().book->cards.size());
}

// The whole snapshot on the window's thread at once, for comparison.
void BM_RecoverySnapshotWhole(benchmark::State& state) {
    for (auto _ : state) {
        RecoverySnapshot snapshot = takeRecoverySnapshot(*started().book);
        benchmark::DoNotOptimize(snapshot.cards.data());
        state.PauseTiming();
        snapshot = RecoverySnapshot{};
        state.ResumeTiming();
    }
    countBook(state);
}
BENCHMARK(BM_RecoverySnapshotWhole)->Unit(benchmark::kMillisecond);

// The longest the window's thread is busy with a snapshot between two
// events: one step of cards, and the last step with the sheets and the rest.
void BM_RecoverySnapshotStep(benchmark::State& state) {
    const Book& book = *started().book;
    RecoverySnapshotBuilder builder;
    for (auto _ : state) {
        state.PauseTiming();
        builder.start();
        state.ResumeTiming();
        benchmark::DoNotOptimize(builder.step(book));
    }
    countBook(state);
    state.counters["cards_per_step"] = RecoverySnapshotBuilder::kCardsPerStep;
}
BENCHMARK(BM_RecoverySnapshotStep)->Unit(benchmark::kMicrosecond);

void BM_RecoverySnapshotLastStep(benchmark::State& state) {
    const Book& book = *started().book;
    RecoverySnapshotBuilder builder;
    for (auto _ : state) {
        state.PauseTiming();
        builder.start();
        while (!builder.step(book)) {
        }
        state.ResumeTiming();
        RecoverySnapshot snapshot = builder.finish(book);
        benchmark::DoNotOptimize(snapshot.months.data());
        state.PauseTiming();
        snapshot = RecoverySnapshot{};
        state.ResumeTiming();
    }
    countBook(state);
}
BENCHMARK(BM_RecoverySnapshotLastStep)->Unit(benchmark::kMicrosecond);

// On the writer's thread: the three files' bytes and the copy around them.
void BM_RecoveryEncode(benchmark::State& state) {
    const RecoverySnapshot snapshot = takeRecoverySnapshot(*started().book);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string copy = encodeRecoveryFile(makeRecoveryParts(snapshot, 0));
        bytes = copy.size();
        benchmark::DoNotOptimize(copy.data());
    }
    countBook(state);
    state.counters["copy_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_RecoveryEncode)->Unit(benchmark::kMillisecond);

// One whole recovery write as the writer's thread does it: encoding, the
// temporary file, its fsync, the rename and the folder's fsync.
void BM_RecoveryWrite(benchmark::State& state) {
    const RecoverySnapshot snapshot = takeRecoverySnapshot(*started().book);
    const std::string path = recoveryFileName(started().book->folder);
    for (auto _ : state) {
        if (!saveFileSafely(path, encodeRecoveryFile(makeRecoveryParts(snapshot, 0)), false)) {
            state.SkipWithError("the recovery copy could not be written");
        }
    }
    countBook(state);
}
BENCHMARK(BM_RecoveryWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace kakeibo
